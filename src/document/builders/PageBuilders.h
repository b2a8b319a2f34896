#pragma once

#include "advice/DocumentBuilders.h"
#include "document/builders/BuildContext.h"

#include <functional>

namespace virelai {

// The six page builders. A build that fails half-way ends there: the page shown
// before stays (the surface swaps documents only when one is complete), the
// teacher gets one message, and the program goes on. Builders tell what they
// can foresee (unreadable data or files) by messages; construire is the one
// place where an exception (memory running out) is stopped.
class PageBuilders : public DocumentBuilders
{
public:
    explicit PageBuilders(BuildContext context)
        : context(std::move(context))
    { }

    void AffMoyenne() override;
    void AffProfil() override;
    void AffRevVit() override;
    void AffCompGene() override;
    void AffTypeComp() override;
    void AffAide(const QString &Fichier) override;

    static QString unexpectedFailureMessage(const QString &reason);
    // The chart places of the last build where a notice stands instead of a chart.
    int chartNoticesOfLastBuild() const { return context.chartNoticesShown; }

private:
    void runBuild(const std::function<void(BuildContext &)> &build,
                  const std::function<QString(const QString &reason)> &failureMessage
                  = unexpectedFailureMessage);

    BuildContext context;
};

} // namespace virelai
