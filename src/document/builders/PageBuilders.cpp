#include "PageBuilders.h"

#include "document/builders/ChartPages.h"
#include "document/builders/HelpPage.h"
#include "document/builders/PupilPages.h"

#include <exception>

namespace virelai {

void PageBuilders::AffMoyenne()
{
    construire(
        [](BuildContext &c) { construirePageGraphiques(c, chartPageLayout(ChartPage::Moyenne)); });
}

void PageBuilders::AffProfil()
{
    construire(
        [](BuildContext &c) { construirePageGraphiques(c, chartPageLayout(ChartPage::Profil)); });
}

void PageBuilders::AffTypeComp()
{
    construire(
        [](BuildContext &c) { construirePageGraphiques(c, chartPageLayout(ChartPage::TypeComp)); });
}

void PageBuilders::AffRevVit()
{
    construire(construirePageRevVit);
}

void PageBuilders::AffCompGene()
{
    construire(construirePageCompGene);
}

void PageBuilders::AffAide(const QString &Fichier)
{
    HelpPageBuild page(Fichier);
    construire([&page](BuildContext &c) { page.run(c); },
               [&page](const QString &) { return page.failureMessage(); });
}

QString PageBuilders::messageEchec(const QString &raison)
{
    return QStringLiteral("Le document n'a pas pu être construit (%1). La page précédente reste "
                          "affichée.")
        .arg(raison);
}

void PageBuilders::construire(const std::function<void(BuildContext &)> &build,
                              const std::function<QString(const QString &raison)> &failureMessage)
{
    context.chartNoticesShown = 0;
    QString raison;
    try {
        build(context);
        return;
    } catch (const std::bad_alloc &) {
        raison = QStringLiteral("mémoire insuffisante");
    } catch (const std::exception &failure) {
        raison = QString::fromLocal8Bit(failure.what());
    } catch (...) {
        raison = QStringLiteral("erreur inattendue");
    }
    context.messages.MsgBox(failureMessage(raison), QStringLiteral("Erreur"));
}

} // namespace virelai
