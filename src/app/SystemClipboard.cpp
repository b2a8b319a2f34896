#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace virelai {

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

} // namespace virelai
