#pragma once

// What the grids tell assistive technology: each grid a table of ten rows
// and ten columns, each square a cell named by the rules. Installed once,
// before the first grid is made.
void AsennaRuudukonSaavutettavuus();
