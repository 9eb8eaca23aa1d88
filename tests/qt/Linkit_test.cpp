#include "Linkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "KirjaavaAvaaja.h"

namespace {

void Kirjoita(const QString& polku, const QByteArray& sisalto) {
    QDir().mkpath(QFileInfo(polku).absolutePath());
    QFile tiedosto(polku);
    QVERIFY(tiedosto.open(QIODevice::WriteOnly));
    tiedosto.write(sisalto);
}

}  // namespace

class Linkit_test : public QObject {
    Q_OBJECT

    QString alkuperainenKansio;

  private slots:
    void init() { alkuperainenKansio = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(alkuperainenKansio); }

    void buildTreeReadmeIsFoundFromAnotherCurrentFolder() {
        QTemporaryDir muualla;
        QVERIFY(QDir::setCurrent(muualla.path()));

        const QString polku = EtsiReadme(MORVAK_PELIN_KANSIO);

        QCOMPARE(polku, QDir(MORVAK_PELIN_KANSIO).absoluteFilePath("readme.txt"));
        QFile readme(polku);
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(readme.readAll()).contains("morvakpoisto"));
    }

    void installedReadmeIsFoundBesideTheBinFolder() {
        QTemporaryDir asennus;
        const QString bin = asennus.filePath("bin");
        QDir().mkpath(bin);
        Kirjoita(asennus.filePath("share/morvak/readme.txt"), "asennettu");
        QVERIFY(QDir::setCurrent(asennus.path()));

        QCOMPARE(EtsiReadme(bin), asennus.filePath("share/morvak/readme.txt"));

        Kirjoita(asennus.filePath("bin/readme.txt"), "oma kansio");
        QCOMPARE(EtsiReadme(bin), asennus.filePath("bin/readme.txt"));
    }

    void missingReadmeStillNamesTheProgramsFolder() {
        QTemporaryDir tyhja;
        QCOMPARE(EtsiReadme(tyhja.path()), tyhja.filePath("readme.txt"));
    }

    void readmeCommandOpensAnAbsolutePathWhateverTheCurrentFolder() {
        QTemporaryDir muualla;
        QVERIFY(QDir::setCurrent(muualla.path()));
        const QUrl readme = ReadmeOhje();
        QVERIFY(readme.isLocalFile());
        QCOMPARE(QFileInfo(readme.toLocalFile()).absolutePath(),
                 QCoreApplication::applicationDirPath());
    }

    void targetsAndShowCommands() {
        KirjaavaAvaaja avaaja;
        QWidget omistaja;
        AvaaReadmeOhje(&omistaja);
        AvaaKotisivu(&omistaja);
        AvaaPalautelinkki(&omistaja);

        QCOMPARE(avaaja.avaukset.size(), std::size_t{3});
        QCOMPARE(avaaja.avaukset[0].kohde, ReadmeOhje());
        QCOMPARE(avaaja.avaukset[0].naytto, Nayttokomento::Normaali);
        QCOMPARE(avaaja.avaukset[1].kohde.path(), QString("/morvak/"));
        QCOMPARE(avaaja.avaukset[1].kohde.query(), QString("morvak12"));
        QCOMPARE(avaaja.avaukset[1].kohde.toString(), QString(KOTISIVU) + "?morvak12");
        QCOMPARE(avaaja.avaukset[1].naytto, Nayttokomento::Piilotettu);
        QCOMPARE(avaaja.avaukset[2].kohde.scheme(), QString("mailto"));
        QCOMPARE(avaaja.avaukset[2].kohde.path(), QString(PALAUTEOSOITE));
        QVERIFY(!avaaja.avaukset[2].kohde.hasQuery());
        QCOMPARE(avaaja.avaukset[2].naytto, Nayttokomento::Piilotettu);
        for (const auto& avaus : avaaja.avaukset) {
            QCOMPARE(avaus.omistaja, static_cast<const QWidget*>(&omistaja));
            QVERIFY(avaus.tiimalasi);
        }
    }
};

QTEST_MAIN(Linkit_test)
#include "Linkit_test.moc"
