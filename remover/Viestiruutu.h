#pragma once

// Shows a modal message box with the exclamation icon and one "OK" button,
// and returns when the user closes it. Texts are UTF-8.
void NaytaViestiruutu(const char* teksti, const char* otsikko);
