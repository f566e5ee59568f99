// Uses the library, its advisor and the platform's own classes directly, so
// that each must be found and linked through the package.
#include <pointexplanation.h>
#include <positionerdata.h>
#include <rtmcore/rtmcustomrvar.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("positioner"), QStringLiteral("_"),
                        QStringLiteral(POSITIONER_TRANSLATIONS)))
        QCoreApplication::installTranslator(&translator);
    rtmCustomRvarBool teachRequest(QStringLiteral("ipos.bteachpoint"), 1);
    PositionerData* d = PositionerData::getInstance();
    const int result = d->teachPoint(1);
    const bool explained = !PositionerAdvisor::describe(
        PositionerAdvisor::explainTeachResult(PositionerAdvisor::calibrationPoints(*d), 1, result)).isEmpty();
    PositionerData::destroy();
    return explained && !teachRequest ? 0 : 1;
}
