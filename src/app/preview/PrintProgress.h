#pragma once

#include <QString>

namespace virelai {

// What printing tells the user while it runs, and how it learns that the user
// gave up. The window implements it; tests answer it themselves.
class PrintProgress
{
public:
    virtual ~PrintProgress() = default;
    virtual void start(const QString &documentName, const QString &printerName, int pageCount) = 0;
    // pageNumber counts from 1; called before the page is printed.
    virtual void showPage(int pageNumber) = 0;
    virtual bool cancelled() const = 0;
    virtual void finish() = 0;
};

} // namespace virelai
