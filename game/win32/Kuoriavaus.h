#pragma once

#include <windows.h>

#include <string>

#include "rules/Nakyma.h"

// Hands the target to the shell, which starts whatever is associated with it
// and does not wait for it.
void AvaaKuorella(HWND omistaja, const Kuorikohde& kohde, Nayttokomento naytto);
// The folder of the running program, UTF-8.
std::string OhjelmanKansio();
