#pragma once

class QApplication;

// What every window of the game shares: Qt's own texts in Finnish, the font
// the layouts were measured in, and the program's icon and names.
void ValmisteleSovellus(QApplication& sovellus);
