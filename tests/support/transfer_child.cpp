// Copies or moves its arguments into a folder as a later run of the program
// would: "transfer_child copy|move <target> <source>...". Questions are
// answered Skip; exits 0 when every item arrived.
#include "fileoperations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const tarnwick::JobKind kind =
        QByteArray(argv[1]) == "move" ? tarnwick::JobKind::Move : tarnwick::JobKind::Copy;
    QList<QByteArray> sources;
    for (int i = 3; i < argc; ++i)
        sources << argv[i];
    tarnwick::FileTransfer transfer(kind, sources, argv[2]);
    int status = 1;
    QObject::connect(&transfer, &tarnwick::FileTransfer::finished, &app,
                     [&](const tarnwick::JobResult &r) {
                         QTextStream err(stderr);
                         for (const QString &e : r.errors)
                             err << e << '\n';
                         status = r.done == sources.size() ? 0 : 1;
                         app.quit();
                     });
    transfer.start();
    app.exec();
    return status;
}
