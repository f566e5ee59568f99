#include "languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

QStringList Languages::codes()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("it"), QStringLiteral("zh_CN"), QStringLiteral("ja")};
}

QString Languages::nativeName(const QString& code)
{
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

Languages::Languages(const QStringList& folders) : folders_(folders) {}

bool Languages::switchTo(const QString& code, QWidget* window)
{
    if (code != QLatin1String("en")) {
        QTranslator next;
        bool loaded = false;
        for (const QString& folder : folders_) {
            loaded = next.load(QStringLiteral("positioner_") + code, folder);
            if (loaded)
                break;
        }
        if (!loaded)
            return false;
        QCoreApplication::removeTranslator(&translator_);
        for (const QString& folder : folders_) {
            if (translator_.load(QStringLiteral("positioner_") + code, folder))
                break;
        }
    } else {
        QCoreApplication::removeTranslator(&translator_);
    }
    // The locale first: the texts made on LanguageChange format their numbers with it.
    QLocale::setDefault(QLocale(code));
    if (window)
        window->setLocale(QLocale(code));
    if (code != QLatin1String("en"))
        QCoreApplication::installTranslator(&translator_);
    current_ = code;
    return true;
}
