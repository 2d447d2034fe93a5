// Placeholder start of the program until the main window lands.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Corvane Ammo Catalog"));
    label.show();
    return app.exec();
}
