#pragma once

#include <string>

#include "rules/Nakyma.h"

// The product's web page as the About box shows it; it is opened with the
// query that tells the site which version asks.
inline constexpr const char* KOTISIVU = "https://www.morvak.fi/morvak/";
inline constexpr const char* KOTISIVUN_KYSELY = "morvak12";
inline constexpr const char* PALAUTEOSOITE = "palaute@morvak.fi";

// readme.txt in the program's own folder or, in an installed program, in
// ../share/doc/morvak/ beside it. When neither holds it, the path in the program's
// folder, which then simply fails to open. Paths are UTF-8.
std::string EtsiReadme(const std::string& ohjelmanKansio);

Kuorikohde ReadmeOhje(const std::string& ohjelmanKansio);
Kuorikohde Kotisivu();
Kuorikohde Palautelinkki();

// The help commands and the About box's links, each one shell open with the
// hourglass up while the target is handed over.
void AvaaReadmeOhje(Palvelut& p);
void AvaaKotisivu(Palvelut& p);
void AvaaPalautelinkki(Palvelut& p);
