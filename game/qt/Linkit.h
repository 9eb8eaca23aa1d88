#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The product's web page as the About box shows it; it is opened with the
// query that tells the site which version asks.
inline constexpr const char* KOTISIVU = "https://www.morvak.fi/morvak/";
inline constexpr const char* KOTISIVUN_KYSELY = "morvak12";
inline constexpr const char* PALAUTEOSOITE = "palaute@morvak.fi";

// readme.txt in the program's own folder or, in an installed program, in
// ../share/morvak/ beside it. When neither holds it, the path in the program's
// folder, which then simply fails to open.
QString EtsiReadme(const QString& ohjelmanKansio);

QUrl ReadmeOhje();
QUrl Kotisivu();
QUrl Palautelinkki();

// The help commands and the About box's links, each one shell open.
void AvaaReadmeOhje(QWidget* omistaja);
void AvaaKotisivu(QWidget* omistaja);
void AvaaPalautelinkki(QWidget* omistaja);
