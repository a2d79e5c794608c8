#include "controls/translator.h"
#include "gallery_page.h"
#include "storage/paths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes gallery-<factor>.png screenshots of every control."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the screenshots."),
                                       QStringLiteral("dir"), QStringLiteral("."));
    parser.addOption(outOption);
    parser.process(app);

    // A configuration of its own, seeded from the shipped defaults, so the user's is never touched.
    QTemporaryDir config;
    QString error;
    if (!config.isValid() || !initDirectories({ QString(), config.path() }, &error)) {
        QTextStream(stderr) << "gallery: " << error << '\n';
        return 1;
    }
    TarqTranslator translator;
    translator.startUp();

    const QString outDir = parser.value(outOption);
    for (double factor : { 1.0, 2.0 }) {
        const QString path = QDir(outDir).filePath(QStringLiteral("gallery-%1.png").arg(factor, 0, 'f', 1));
        if (!renderGallery(factor).save(path)) {
            QTextStream(stderr) << "gallery: cannot write " << path << '\n';
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return 0;
}
