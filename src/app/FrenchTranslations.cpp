#include "FrenchTranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace virelai {

namespace {

// Texts of Qt's printer dialog that its French translation leaves in English.
class MissingQtTranslations : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return texts.value(QLatin1String(context) + u'|' + QLatin1String(sourceText));
    }

    bool isEmpty() const override { return false; }

private:
    const QHash<QString, QString> texts {
        {QStringLiteral("QPrintPropertiesDialog|Printer Properties"),
         QStringLiteral("Propriétés de l'imprimante")},
        {QStringLiteral("QPrintPropertiesWidget|Advanced"), QStringLiteral("Avancé")},
        {QStringLiteral("QPrintPropertiesWidget|There are conflicts in some options. Please fix "
                        "them."),
         QStringLiteral("Certaines options ne vont pas ensemble : corrigez-les.")},
        {QStringLiteral("QPrintSettingsOutput|Double Sided Printing"),
         QStringLiteral("Impression recto verso")},
        {QStringLiteral("QPrintSettingsOutput|Off"), QStringLiteral("Non")},
        {QStringLiteral("QPrintSettingsOutput|Long side binding"),
         QStringLiteral("Reliure sur le bord long")},
        {QStringLiteral("QPrintSettingsOutput|Short side binding"),
         QStringLiteral("Reliure sur le bord court")},
    };
};

} // namespace

void installFrenchTranslations(QCoreApplication &app)
{
    // Owned by the application: translators must outlive every dialog.
    auto *translator = new QTranslator(&app);
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    // Installed last, asked first: it answers only for the texts it holds.
    QCoreApplication::installTranslator(new MissingQtTranslations(&app));
}

} // namespace virelai
