#include "languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

#include <algorithm>

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
    std::unique_ptr<QTranslator> next;
    if (code != QLatin1String("en")) {
        next = std::make_unique<QTranslator>();
        const auto found = std::find_if(folders_.begin(), folders_.end(), [&](const QString& folder) {
            return next->load(QStringLiteral("positioner_") + code, folder);
        });
        if (found == folders_.end())
            return false;
    }
    // The locale first: the texts made on LanguageChange format their numbers with it.
    QLocale::setDefault(QLocale(code));
    if (window)
        window->setLocale(QLocale(code));
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
    translator_ = std::move(next);
    if (translator_)
        QCoreApplication::installTranslator(translator_.get());
    current_ = code;
    return true;
}
