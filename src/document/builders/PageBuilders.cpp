#include "PageBuilders.h"

#include "document/builders/ChartPages.h"
#include "document/builders/HelpPage.h"
#include "document/builders/PupilPages.h"

#include <exception>

namespace virelai {

void PageBuilders::AffMoyenne()
{
    runBuild([](BuildContext &c) { buildChartPage(c, chartPageLayout(ChartPage::Moyenne)); });
}

void PageBuilders::AffProfil()
{
    runBuild([](BuildContext &c) { buildChartPage(c, chartPageLayout(ChartPage::Profil)); });
}

void PageBuilders::AffTypeComp()
{
    runBuild([](BuildContext &c) { buildChartPage(c, chartPageLayout(ChartPage::TypeComp)); });
}

void PageBuilders::AffRevVit()
{
    runBuild(buildRevVitPage);
}

void PageBuilders::AffCompGene()
{
    runBuild(buildCompGenePage);
}

void PageBuilders::AffAide(const QString &Fichier)
{
    HelpPageBuild page(Fichier);
    runBuild([&page](BuildContext &c) { page.run(c); },
             [&page](const QString &) { return page.failureMessage(); });
}

QString PageBuilders::unexpectedFailureMessage(const QString &reason)
{
    return QStringLiteral("Le document n'a pas pu être construit (%1). La page précédente reste "
                          "affichée.")
        .arg(reason);
}

void PageBuilders::runBuild(const std::function<void(BuildContext &)> &build,
                            const std::function<QString(const QString &reason)> &failureMessage)
{
    context.chartNoticesShown = 0;
    QString reason;
    try {
        build(context);
        return;
    } catch (const std::bad_alloc &) {
        reason = QStringLiteral("mémoire insuffisante");
    } catch (const std::exception &failure) {
        reason = QString::fromLocal8Bit(failure.what());
    } catch (...) {
        reason = QStringLiteral("erreur inattendue");
    }
    context.messages.MsgBox(failureMessage(reason), QStringLiteral("Erreur"));
}

} // namespace virelai
