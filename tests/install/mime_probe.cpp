// Prints the MIME type the shared-mime-info database (XDG_DATA_DIRS) gives
// each file named: from its content alone, then from its name and content as
// a file manager asks. One line per file: "CONTENT FILE".
#include <QCoreApplication>
#include <QFile>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    for (const QString& path : app.arguments().mid(1)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "mime_probe: cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QString byContent = database.mimeTypeForData(file.read(4096)).name();
        const QString byFile = database.mimeTypeForFile(path).name();
        std::printf("%s %s\n", qPrintable(byContent), qPrintable(byFile));
    }
    return 0;
}
