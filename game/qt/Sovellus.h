#pragma once

class QApplication;

// What every window of the game shares: Qt's own texts in Finnish, the font
// the layouts were measured in, the program's icon, and windows that stay
// alive while a save waits for another copy of the game.
void ValmisteleSovellus(QApplication& sovellus);
