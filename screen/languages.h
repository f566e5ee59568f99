// The languages of the screen: the library's, the advisor's and the screen's
// texts come from one catalogue per language, and numbers follow the
// language's format.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

class QWidget;

class Languages
{
public:
    // The codes of the languages offered, English first.
    static QStringList codes();
    // The language's name in that language, as the menu shows it.
    static QString nativeName(const QString& code);

    // Catalogues are looked for in these folders, in this order.
    explicit Languages(const QStringList& folders);

    // Switches the whole application at once; every widget gets a
    // LanguageChange and retranslates itself. False when the catalogue is
    // missing: the language stays as it was.
    bool switchTo(const QString& code, QWidget* window);
    QString current() const { return current_; }

private:
    QStringList folders_;
    // The catalogue installed now; none for English.
    std::unique_ptr<QTranslator> translator_;
    QString current_ = QStringLiteral("en");
};
