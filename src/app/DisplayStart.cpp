#include "DisplayStart.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace virelai {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage> heldMessages;
QtMessageHandler handlerBefore = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt is about to abort: it found no display to show the window on.
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(noDisplayMessage() + u'\n'), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

void passOnHeldMessages()
{
    for (const HeldMessage &message : heldMessages) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        handlerBefore(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace

QString noDisplayMessage()
{
    return QStringLiteral("Aucun affichage n'est disponible : la fenêtre ne peut pas s'ouvrir. "
                          "Pour obtenir la page dans un fichier PDF, lancez le programme avec "
                          "--pdf FICHIER.");
}

std::unique_ptr<QApplication> applicationOnDisplay(int &argc, char **argv)
{
    handlerBefore = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(handlerBefore);
    passOnHeldMessages();
    return app;
}

} // namespace virelai
