// The operator reads the library's messages in the host's language: the
// catalogues load, and every marked text is filed where its lookup finds it.
#include "simfixture.h"

#include <controllersimulator.h>
#include <positionerdiagnostics.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>


namespace {

// The texts of the message boxes, looked up with QObject::tr, and two of the
// failure reasons, looked up in the same context.
const char* const libraryTexts[] = {"Failed to get GLOBAL.var.", "Failed to write GLOBAL.var.",
                                    "Failed to send GLOBAL.var.", "cannot write %1",
                                    "%1 is not well-formed XML at line %2 (offset %3)"};

// The translator is the host's for this test only: it removes itself when it goes.
TEST_F(PositionerCell, AGermanHostSeesTheGermanBox)
{
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("positioner_de"), QStringLiteral(POSITIONER_TRANSLATIONS_BUILD_DIR)));
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    sim::ProgramEditor::instance().openPositionerProgram();
    ControllerSimulator controller;
    // No GLOBAL.var on the controller: the fetch fails and its box is shown.
    d->setDynRefSys(0);

    const std::vector<sim::ShownMessage>& shown = sim::MessageBoxes::instance().shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text.toStdString(), "GLOBAL.var konnte nicht geholt werden.");

    // The reasons too; the parser's own words stay as it gives them.
    const QString file = positionerDir() + QStringLiteral("/broken.xml");
    writeFile(file, "<FramePar>\n<Positioner>\n</FramePar>\n");
    EXPECT_FALSE(d->readPositionerFile(file));
    EXPECT_EQ(PositionerDiagnostics::lastFailure(),
              QStringLiteral("readPositionerFile: %1 ist in Zeile 3 (Offset 26) kein wohlgeformtes XML: "
                             "Start-end tags mismatch")
                  .arg(file));
}

// Where each folder's texts are looked up at run time: the library's with
// QObject::tr, its companions under contexts of their own.
const std::pair<const char*, const char*> lookupContextOfFolder[] = {
    {"positioner", "QObject"}, {"userframedyn", "QObject"}, {"advisor", "PositionerAdvisor"}, {"tool", "PositionerTool"},
    {"framedrawing", "FrameDrawing"}};

// lupdate's catalogue of one folder, as a pendant team would make it.
QString catalogueOf(const QString& folder)
{
    QTemporaryDir work;
    const QString catalogue = work.filePath(QStringLiteral("extracted.ts"));
    EXPECT_EQ(QProcess::execute(QStringLiteral(POSITIONER_LUPDATE),
                                {QStringLiteral("-silent"), QStringLiteral(POSITIONER_SOURCE_DIR "/") + folder,
                                 QStringLiteral("-ts"), catalogue}),
              0);
    QFile file(catalogue);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(TranslationContexts, EveryMarkedTextLandsInTheContextOfItsLookup)
{
    static const QRegularExpression context(QStringLiteral("<name>([^<]*)</name>"));
    for (const auto& folder : lookupContextOfFolder) {
        const QString catalogue = catalogueOf(QLatin1String(folder.first));
        for (auto match = context.globalMatch(catalogue); match.hasNext();)
            EXPECT_EQ(match.next().captured(1).toStdString(), folder.second) << folder.first;
        if (qstrcmp(folder.first, "positioner") == 0) {
            for (const char* text : libraryTexts)
                EXPECT_TRUE(catalogue.contains(QLatin1String(text))) << text;
        }
    }
}

}  // namespace
