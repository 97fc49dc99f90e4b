// Build-time helper: turns the rendered logo into the program icon (.ico).
// Usage: makeicon <input.png> <output.ico>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: makeicon <input.png> <output.ico>\n";
        return 2;
    }
    const QImage logo(args.at(1));
    if (logo.isNull()) {
        err << "makeicon: cannot read " << args.at(1) << "\n";
        return 1;
    }
    // Written beside the target first, so that a failed run leaves no broken icon behind.
    const QString partial = args.at(2) + QStringLiteral(".part");
    QImageWriter writer(partial, "ico");
    if (!writer.write(logo.convertToFormat(QImage::Format_ARGB32))) {
        err << "makeicon: cannot write " << partial << ": " << writer.errorString() << "\n";
        QFile::remove(partial);
        return 1;
    }
    QImageReader check(partial, "ico");
    if (check.read().size() != logo.size()) {
        err << "makeicon: the written icon does not read back\n";
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(args.at(2));
    if (!QFile::rename(partial, args.at(2))) {
        err << "makeicon: cannot move the icon to " << args.at(2) << "\n";
        QFile::remove(partial);
        return 1;
    }
    return 0;
}
