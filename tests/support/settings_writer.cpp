// Writes keys <prefix>0 .. <prefix>N-1 one call at a time, as a second copy
// of the program would; used to check that concurrent writers lose nothing.
#include "settingsstore.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    tarnwick::SettingsStore store(args[1]);
    const int count = args[3].toInt();
    for (int i = 0; i < count; ++i) {
        const QString key = args[2] + QString::number(i);
        if (!store.write(QStringLiteral("Settings"), key, key))
            return 1;
    }
    return 0;
}
