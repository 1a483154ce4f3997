// A deterministic stand-in for libFuzzer: every target defines
// LLVMFuzzerTestOneInput, and this driver feeds it the seed files named on
// the command line, then a fixed number of inputs mutated from them by a
// seeded generator. The same build and seed always try the same inputs, so a
// failure in CI reproduces on any machine; the input that was running when
// the sanitizer stopped the process is written to "fuzz-crash-<target>".
//
//   fuzz_x [-runs=N] [-seed=S] [SEED_FILE_OR_DIR ...]
//
// TARNWICK_FUZZ_RUNS overrides -runs, so `make fuzz` can run longer.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

QByteArray current;
QByteArray crashFile;

void saveCurrent()
{
    if (FILE *f = std::fopen(crashFile.constData(), "wb")) {
        std::fwrite(current.constData(), 1, size_t(current.size()), f);
        std::fclose(f);
        std::fprintf(stderr, "fuzz: the failing input is in %s\n", crashFile.constData());
    }
}

// Pieces that matter to the formats under test: line ends, brackets, the
// separators of INI, URI lists and .trashinfo files, escapes, bytes that
// are not UTF-8, a byte-order mark, a NUL.
const std::vector<QByteArray> &tokens()
{
    static const std::vector<QByteArray> t{"\n",
                                           "\r\n",
                                           "[",
                                           "]",
                                           "=",
                                           ";",
                                           "#",
                                           "\\",
                                           "\"",
                                           "%",
                                           "%2F",
                                           "%ff",
                                           "%0A",
                                           "*",
                                           "?",
                                           "file://",
                                           "/",
                                           "..",
                                           "[Settings]",
                                           "[Trash Info]",
                                           "Path=",
                                           "DeletionDate=",
                                           "copy\n",
                                           "cut\n",
                                           "\xff",
                                           "\xef\xbb\xbf",
                                           QByteArray(1, '\0'),
                                           "\xc3\xa9",
                                           "\xed\xa0\x80",
                                           "\t",
                                           " ",
                                           "\\x",
                                           "\\n",
                                           "@Variant(",
                                           "2026-12-08T09:10:11",
                                           "0",
                                           "1",
                                           "-1",
                                           "99999999999999999999"};
    return t;
}

QByteArray mutate(QByteArray in, const std::vector<QByteArray> &pool, std::mt19937_64 &rng)
{
    auto pick = [&rng](size_t n) { return n ? size_t(rng() % n) : 0; };
    const int steps = 1 + int(rng() % 4);
    for (int s = 0; s < steps; ++s) {
        const auto at = qsizetype(pick(size_t(in.size()) + 1));
        switch (rng() % 7) {
        case 0: // flip a bit
            if (!in.isEmpty())
                in[at % in.size()] = char(in[at % in.size()] ^ char(1u << (rng() % 8)));
            break;
        case 1: // a random byte
            in.insert(at, char(rng() & 0xff));
            break;
        case 2: // a token
            in.insert(at, tokens()[pick(tokens().size())]);
            break;
        case 3: // cut a run
            if (!in.isEmpty())
                in.remove(at % in.size(), qsizetype(1 + pick(16)));
            break;
        case 4: // repeat a run
            if (!in.isEmpty()) {
                const qsizetype from = at % in.size();
                in.insert(at, in.mid(from, qsizetype(1 + pick(32))));
            }
            break;
        case 5: // splice in part of another input
            if (!pool.empty()) {
                const QByteArray &other = pool[pick(pool.size())];
                const auto from = qsizetype(pick(size_t(other.size()) + 1));
                in.insert(at, other.mid(from, qsizetype(1 + pick(64))));
            }
            break;
        default: // truncate
            in.truncate(at);
            break;
        }
    }
    if (in.size() > 64 * 1024)
        in.truncate(64 * 1024);
    return in;
}

void run(const QByteArray &input)
{
    current = input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                           size_t(input.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    long runs = 2000;
    unsigned long long seed = 1;
    std::vector<QByteArray> pool;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a.startsWith(QLatin1String("-runs=")))
            runs = a.mid(6).toLong();
        else if (a.startsWith(QLatin1String("-seed=")))
            seed = a.mid(6).toULongLong();
        else if (QFileInfo(a).isDir()) {
            QDirIterator it(a, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile f(it.next());
                if (f.open(QIODevice::ReadOnly))
                    pool.push_back(f.readAll());
            }
        } else {
            QFile f(a);
            if (f.open(QIODevice::ReadOnly))
                pool.push_back(f.readAll());
        }
    }
    if (const QByteArray env = qgetenv("TARNWICK_FUZZ_RUNS"); !env.isEmpty())
        runs = env.toLong();
    crashFile = "fuzz-crash-" + QFileInfo(args.value(0)).fileName().toLocal8Bit();
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(saveCurrent);

    pool.push_back(QByteArray());
    for (const QByteArray &s : pool)
        run(s);
    std::mt19937_64 rng(seed);
    for (long i = 0; i < runs; ++i) {
        const QByteArray &base = pool[size_t(rng() % pool.size())];
        const QByteArray input = mutate(base, pool, rng);
        run(input);
        if (rng() % 8 == 0) // let good finds breed
            pool.push_back(input);
    }
    std::printf("fuzz: %ld mutated inputs, no failure\n", runs);
    return 0;
}
