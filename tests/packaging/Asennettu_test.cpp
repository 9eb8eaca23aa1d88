// An installed tree as the game and the desktop use it: the help command finds
// the read-me that was installed, and the theme's icons are the program's own
// icon at the sizes their folders promise.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdlib>

#include "qt/Sovellus.h"
#include "rules/about/Linkit.h"
#include "sound/Tiedostoaanet.h"

namespace {

// The installation prefix inside the unpacked or staged tree.
QDir Asennus() {
    const char* polku = std::getenv("MORVAK_ASENNUS");
    return QDir(polku ? QString::fromLocal8Bit(polku) : QString());
}

QByteArray Sisalto(const QString& polku) {
    QFile tiedosto(polku);
    return tiedosto.open(QIODevice::ReadOnly) ? tiedosto.readAll() : QByteArray();
}

QImage Kuva(const QString& polku) { return QImage(polku).convertToFormat(QImage::Format_ARGB32); }

QString TeemanKuvake(int koko) {
    return Asennus().filePath(
        QString("share/icons/hicolor/%1x%1/apps/fi.relvano.Morvak.png").arg(koko));
}

TEST(Asennettu, OhjeLoytaaAsennetunReadmen) {
    const QString ohjelmat = Asennus().filePath("games");
    ASSERT_TRUE(QFile::exists(ohjelmat + "/morvak"));

    const QString loydetty = QString::fromStdString(EtsiReadme(ohjelmat.toStdString()));
    EXPECT_EQ(loydetty.toStdString(),
              QDir::cleanPath(Asennus().filePath("share/doc/morvak/readme.txt")).toStdString());
    const QByteArray asennettu = Sisalto(loydetty);
    ASSERT_FALSE(asennettu.isEmpty());
    EXPECT_EQ(asennettu, Sisalto(MORVAK_LAHDE "/game/resources/readme.txt"));
}

TEST(Asennettu, PeliLoytaaAsennetutAanensa) {
    const auto kansio = EtsiAanikansio(Asennus().filePath("games").toStdString());
    ASSERT_TRUE(kansio.has_value());
    EXPECT_EQ(*kansio, QDir::cleanPath(Asennus().filePath("share/games/morvak")).toStdString());
    for (const char* aani : {"ohi", "osuma", "uppoaminen", "voitto", "tappio"})
        EXPECT_TRUE(QFile::exists(QString("%1/%2.wav").arg(kansio->c_str(), aani))) << aani;
}

TEST(Asennettu, TeemanKuvakkeetOvatKansionsaKokoisia) {
    for (int koko : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage kuvake = Kuva(TeemanKuvake(koko));
        ASSERT_FALSE(kuvake.isNull()) << koko;
        EXPECT_EQ(kuvake.size(), QSize(koko, koko));
        // The middle of the icon is covered by tiles, whatever the size.
        EXPECT_EQ(qAlpha(kuvake.pixel(koko / 2, koko / 2)), 255) << koko;
    }
}

TEST(Asennettu, TeemanKuvakkeetOvatIkkunanKuvake) {
    for (int koko : {16, 32, 48}) {
        const QImage ikkunan = Kuva(QString(MORVAK_LAHDE "/game/resources/morvak%1.png").arg(koko));
        ASSERT_FALSE(ikkunan.isNull()) << koko;
        EXPECT_EQ(Kuva(TeemanKuvake(koko)), ikkunan) << koko;
    }
}

// Wayland desktops find the window's menu entry by the desktop file name, X11
// ones by the window's class, which Qt takes from the application name.
TEST(Asennettu, IkkunaTunnistaaValikkotietueensa) {
    int argc = 1;
    char nimi[] = "morvak";
    char* argv[] = {nimi, nullptr};
    QApplication sovellus(argc, argv);
    ValmisteleSovellus(sovellus);

    const QString valikkotietue =
        Asennus().filePath("share/applications/" + QGuiApplication::desktopFileName() + ".desktop");
    ASSERT_TRUE(QFile::exists(valikkotietue)) << valikkotietue.toStdString();
    const QString sisalto = QString::fromUtf8(Sisalto(valikkotietue));
    EXPECT_TRUE(sisalto.contains("\nStartupWMClass=" + QCoreApplication::applicationName() + "\n"));
}

}  // namespace
