// The operator reads the library's messages in the host's language: the
// catalogues load, and every marked text is filed where its lookup finds it.
#include "simfixture.h"

#include <controllersimulator.h>

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>

namespace {

// The texts of the message boxes, looked up with QObject::tr.
const char* const libraryTexts[] = {"Failed to get GLOBAL.var.", "Failed to write GLOBAL.var.",
                                    "Failed to send GLOBAL.var."};

class Translations : public PositionerCell
{
protected:
    void TearDown() override
    {
        if (installed_)
            QCoreApplication::removeTranslator(&translator_);
        PositionerCell::TearDown();
    }

    void install(const QString& language)
    {
        ASSERT_TRUE(translator_.load(QStringLiteral("positioner_") + language,
                                     QStringLiteral(POSITIONER_TRANSLATIONS_BUILD_DIR)))
            << qPrintable(language);
        installed_ = QCoreApplication::installTranslator(&translator_);
        ASSERT_TRUE(installed_);
    }

    QTranslator translator_;
    bool installed_ = false;
};

TEST_F(Translations, AGermanHostSeesTheGermanBox)
{
    install(QStringLiteral("de"));
    sim::ProgramEditor::instance().openPositionerProgram();
    ControllerSimulator controller;
    // No GLOBAL.var on the controller: the fetch fails and its box is shown.
    d->setDynRefSys(0);

    const std::vector<sim::ShownMessage>& shown = sim::MessageBoxes::instance().shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text.toStdString(), "GLOBAL.var konnte nicht geholt werden.");
}

// Where each folder's texts are looked up at run time: the library's with
// QObject::tr, its companions under contexts of their own.
const std::map<QString, QString> lookupContextOfFolder = {
    {QStringLiteral("positioner"), QStringLiteral("QObject")},
    {QStringLiteral("userframedyn"), QStringLiteral("QObject")},
    {QStringLiteral("advisor"), QStringLiteral("PositionerAdvisor")},
    {QStringLiteral("tool"), QStringLiteral("PositionerTool")},
};

struct Extracted
{
    QString context;
    QString source;
    QString folder;
};

// lupdate's view of the sources, as a pendant team would make its catalogue.
std::vector<Extracted> extractTexts()
{
    const QDir sources(QStringLiteral(POSITIONER_SOURCE_DIR));
    QStringList folders;
    for (const auto& entry : lookupContextOfFolder) {
        if (sources.exists(entry.first))
            folders << sources.absoluteFilePath(entry.first);
    }
    QTemporaryDir work;
    const QString catalogue = work.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(POSITIONER_LUPDATE),
                  QStringList{QStringLiteral("-silent")} + folders + QStringList{QStringLiteral("-ts"), catalogue});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
        ADD_FAILURE() << "lupdate failed: " << lupdate.readAllStandardError().constData();
        return {};
    }

    QFile file(catalogue);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "lupdate wrote no catalogue";
        return {};
    }
    std::vector<Extracted> texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            texts.push_back({context, QString(), QString()});
        } else if (xml.name() == QLatin1String("location") && !texts.empty()) {
            const QString path = QFileInfo(QFileInfo(catalogue).dir(), xml.attributes().value(QLatin1String("filename")).toString())
                                     .canonicalFilePath();
            texts.back().folder = sources.relativeFilePath(path).section(QLatin1Char('/'), 0, 0);
        } else if (xml.name() == QLatin1String("source") && !texts.empty()) {
            texts.back().source = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return texts;
}

TEST(TranslationContexts, EveryMarkedTextLandsInTheContextOfItsLookup)
{
    const std::vector<Extracted> texts = extractTexts();
    QStringList inQObject;
    for (const Extracted& text : texts) {
        const auto expected = lookupContextOfFolder.find(text.folder);
        ASSERT_NE(expected, lookupContextOfFolder.end()) << qPrintable(text.source);
        EXPECT_EQ(text.context.toStdString(), expected->second.toStdString())
            << qPrintable(text.folder) << ": \"" << qPrintable(text.source) << "\"";
        if (text.context == QLatin1String("QObject"))
            inQObject << text.source;
    }
    for (const char* text : libraryTexts)
        EXPECT_TRUE(inQObject.contains(QLatin1String(text))) << text;
}

}  // namespace
