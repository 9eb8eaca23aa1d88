#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication sovellus(argc, argv);
    QMessageBox::information(nullptr, "Morvak", "Pelin pääikkuna on vielä tekeillä.");
    return 0;
}
