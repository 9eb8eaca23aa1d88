#pragma once

#include <string>

#include "rules/Nakyma.h"

// The name a grid gives itself to assistive technology.
const char* RuudukonNimi(Puoli ruudukko);

// What a square tells assistive technology: its grid, its row and column
// counted from 1, and what its picture shows the player. A ship that the
// picture does not show is never told.
std::string RuudunNimi(Pelitila& t, Puoli ruudukko, int ruutu, Kuva kuva);
