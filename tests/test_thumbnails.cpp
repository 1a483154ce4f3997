// Pictures of files: the shared cache as other programs keep it, hostile
// pictures, the system's thumbnailers, and the icon view's sizes.
#include "background.h"
#include "explorerlistview.h"
#include "testenv.h"
#include "thumbnailcache.h"
#include "thumbnails.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QImageReader>
#include <QListView>
#include <QWheelEvent>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>

using namespace tarnwick;

namespace {

QByteArray pngWithText(const QImage &image, const QList<std::pair<QString, QString>> &text)
{
    QImage tagged = image;
    for (const auto &[key, value] : text)
        tagged.setText(key, value);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    tagged.save(&buffer, "PNG");
    return bytes;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffff;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray out(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), out.data());
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(type + data), crc.data());
    return out + type + data + crc;
}

// A few hundred bytes that claim 100,000 x 100,000 pixels.
QByteArray pngBomb()
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(100000, header.data());
    qToBigEndian<quint32>(100000, header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB
    const QByteArray rows = qCompress(QByteArray(1 << 20, '\0'), 9).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", rows) +
           chunk("IEND", {});
}

QByteArray jpegOf(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

QString textOf(const QByteArray &path, const QString &key)
{
    return QImage(QFile::decodeName(path), "png").text(key);
}

} // namespace

class TestThumbnails : public QObject
{
    Q_OBJECT
    QByteArray home_ = qgetenv("HOME");
    QByteArray dir_;
    std::atomic<bool> going_{false};

    QByteArray file(const QByteArray &name, const QByteArray &bytes)
    {
        const QByteArray path = dir_ + '/' + name;
        if (!test::makeRawFile(path, bytes))
            qFatal("cannot write the test's file");
        return path;
    }

private slots:
    void initTestCase()
    {
        dir_ = home_ + "/pictures";
        QVERIFY(::mkdir(dir_.constData(), 0755) == 0);
    }

    // What Tarnwick stores, field by field, where another program looks.
    void storesAsTheStandardSays()
    {
        const QByteArray path = file("a b\xff.jpg", jpegOf({600, 300}, Qt::red));
        struct ::stat st;
        QVERIFY(::stat(path.constData(), &st) == 0);
        const QByteArray uri = "file://" + home_.toPercentEncoding("/") + "/pictures/a%20b%FF.jpg";
        QCOMPARE(thumbcache::uriOf(path), uri);

        const QImage shown = thumbnails::load({path, st.st_mtime, "image/jpeg"}, 96, {}, going_);
        QCOMPARE(shown.size(), QSize(96, 48));
        const QByteArray root = home_ + "/.cache/thumbnails";
        const QByteArray stored = root + "/normal/" +
                                  QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() +
                                  ".png";
        QCOMPARE(thumbcache::pathFor(uri, thumbcache::Bucket::Normal), stored);
        QCOMPARE(QImage(QFile::decodeName(stored)).size(), QSize(128, 64));
        QCOMPARE(textOf(stored, "Thumb::URI").toUtf8(), uri);
        QCOMPARE(textOf(stored, "Thumb::MTime"), QString::number(st.st_mtime));
        QCOMPARE(textOf(stored, "Thumb::Size"), QString::number(st.st_size));
        QCOMPARE(textOf(stored, "Thumb::Mime"), "image/jpeg");
        struct ::stat s;
        QVERIFY(::stat(stored.constData(), &s) == 0);
        QCOMPARE(s.st_mode & 07777, 0600u);
        QVERIFY(::stat((root + "/normal").constData(), &s) == 0);
        QCOMPARE(s.st_mode & 07777, 0700u);
        QDir normal(QFile::decodeName(root + "/normal"));
        QCOMPARE(normal.entryList(QDir::Files | QDir::Hidden).size(), 1); // no part file left
    }

    // Another program's thumbnail is used while it is the file's; a stale one
    // is made again.
    void usesOthersWhileCurrent_data()
    {
        QTest::addColumn<bool>("current");
        QTest::newRow("current") << true;
        QTest::newRow("file changed since") << false;
    }
    void usesOthersWhileCurrent()
    {
        QFETCH(bool, current);
        const QByteArray path = file(current ? "theirs.png" : "stale.png", {});
        QImage green(200, 100, QImage::Format_RGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(QFile::decodeName(path), "PNG"));
        struct ::stat st;
        QVERIFY(::stat(path.constData(), &st) == 0);
        const QByteArray uri = thumbcache::uriOf(path);
        QImage blue(128, 64, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        const QString mtime = QString::number(st.st_mtime - (current ? 0 : 60));
        const QByteArray theirs = thumbcache::pathFor(uri, thumbcache::Bucket::Normal);
        QCOMPARE(
            thumbcache::store(theirs, pngWithText(blue, {{"Thumb::URI", QString::fromUtf8(uri)},
                                                         {"Thumb::MTime", mtime}})),
            0);
        const QImage shown = thumbnails::load({path, st.st_mtime, "image/png"}, 128, {}, going_);
        QCOMPARE(shown.pixelColor(10, 10), current ? QColor(Qt::blue) : QColor(Qt::green));
        QCOMPARE(textOf(theirs, "Thumb::MTime"), QString::number(st.st_mtime));
    }

    // Pictures that would take the program down or fill its memory get
    // none, and the failure is remembered.
    void hostilePictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::newRow("decompression bomb") << pngBomb() << "image/png";
        QTest::newRow("garbage") << QByteArray(5000, '\x5a') << "image/png";
        QTest::newRow("empty") << QByteArray() << "image/jpeg";
        QTest::newRow("jpeg header only")
            << jpegOf({3000, 2000}, Qt::gray).left(300) << "image/jpeg";
    }
    void hostilePictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        const QByteArray path = file(QTest::currentDataTag(), bytes);
        QElapsedTimer clock;
        clock.start();
        const QImage shown = thumbnails::load({path, 0, type}, 256, {}, going_);
        QVERIFY(shown.isNull());
        QVERIFY(clock.elapsed() < 5000);
        const QByteArray failure = thumbcache::failurePathFor(thumbcache::uriOf(path));
        QCOMPARE(textOf(failure, "Thumb::URI").toUtf8(), thumbcache::uriOf(path));
        QVERIFY(!QFile::exists(QFile::decodeName(
            thumbcache::pathFor(thumbcache::uriOf(path), thumbcache::Bucket::Large))));
    }

    void nothingForTheCacheItself()
    {
        const QByteArray inside = thumbcache::root() + "/picture.jpg";
        QVERIFY(test::writeFile(QFile::decodeName(inside), jpegOf({64, 64}, Qt::red)));
        QVERIFY(thumbnails::load({inside, 0, "image/jpeg"}, 128, {}, going_).isNull());
        QVERIFY(!QFile::exists(
            QFile::decodeName(thumbcache::failurePathFor(thumbcache::uriOf(inside)))));
    }

    // An installed thumbnailer gets the file's own bytes, the output path and
    // the size; one that does not end is stopped.
    void runsThumbnailers()
    {
        const QByteArray data = home_ + "/data";
        QVERIFY(QDir().mkpath(QFile::decodeName(data + "/thumbnailers")));
        const QByteArray args = data + "/args";
        const QByteArray script = data + "/draw.sh";
        QVERIFY(test::makeRawFile(script, "printf '%s\\n' \"$@\" > '" + args +
                                              "'\ncase $1 in *slow*) exec sleep 60;; esac\n"
                                              "cp '" +
                                              data + "/pic.png' \"$2\"\n"));
        QImage pic(300, 300, QImage::Format_RGB32);
        pic.fill(Qt::yellow);
        QVERIFY(pic.save(QFile::decodeName(data + "/pic.png")));
        QVERIFY(test::makeRawFile(data + "/thumbnailers/fake.thumbnailer",
                                  "[Thumbnailer Entry]\nTryExec=sh\nExec=sh " + script +
                                      " %i %o %s\nMimeType=application/x-fake;\n"));
        const Thumbnailers found({data});
        const Thumbnailer *fake = found.forType("application/x-fake");
        QVERIFY(fake);
        QVERIFY(!found.forType("image/png"));

        const QByteArray odd = file("odd\nname \xfe.fake", "x");
        const QImage made = QImage::fromData(Thumbnailers::run(*fake, odd, 256, going_));
        QCOMPARE(made.size(), QSize(300, 300));
        QFile recorded(QFile::decodeName(args));
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        const QList<QByteArray> given = recorded.readAll().split('\n');
        QCOMPARE(given.value(0) + '\n' + given.value(1), odd); // the name holds a newline
        QCOMPARE(given.value(3), "256");

        std::atomic<bool> stop{false};
        std::thread stopper([&] {
            QThread::msleep(300);
            stop = true;
        });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(Thumbnailers::run(*fake, file("slow.fake", "x"), 128, stop).isEmpty());
        stopper.join();
        QVERIFY(clock.elapsed() < 3000);
    }

    // Scrolling away drops what waits: only what the workers had begun is made.
    void waitingWorkIsDropped()
    {
        std::vector<ThumbnailRequest> many;
        for (int i = 0; i < 40; ++i) {
            const QByteArray path =
                file("many" + QByteArray::number(i) + ".jpg", jpegOf({1600, 1200}, Qt::darkCyan));
            many.push_back({path, 0, "image/jpeg", i});
        }
        ThumbnailProvider provider;
        provider.setSide(96, 1);
        int ready = 0;
        connect(&provider, &ThumbnailProvider::ready, this, [&] { ++ready; });
        provider.want(many);
        provider.want({});
        QTRY_COMPARE_WITH_TIMEOUT(Background::runningCount(), 0, 10000);
        QCoreApplication::processEvents();
        QVERIFY2(ready <= 2 * QThread::idealThreadCount(), qPrintable(QString::number(ready)));
        provider.want({many.back()});
        QTRY_VERIFY(!provider.find(many.back().path, 0).isNull());
    }

    void ctrlChangesTheIconSize()
    {
        ExplorerListView list;
        list.setView(ExplorerListView::LargeIcons);
        QSignalSpy stored(&list, &ExplorerListView::largeIconSideChanged);
        auto *view = static_cast<QListView *>(list.currentView());
        const auto wheel = [&](int delta) {
            QWheelEvent e(QPointF(5, 5), QPointF(5, 5), {}, {0, delta}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view->viewport(), &e);
        };
        QCOMPARE(list.LargeIconSide(), 48);
        wheel(120);
        QCOMPARE(list.LargeIconSide(), 64);
        QCOMPARE(view->iconSize(), QSize(64, 64));
        QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier); // already the smallest
        QCOMPARE(list.LargeIconSide(), 48);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(list.LargeIconSide(), 256);
        QCOMPARE(stored.size(), 9);
        QCOMPARE(stored.last().first().toInt(), 256);
        list.setView(ExplorerListView::Details);
        list.setView(ExplorerListView::LargeIcons);
        QCOMPARE(view->iconSize(), QSize(256, 256));
    }
};

TARNWICK_TEST_MAIN(TestThumbnails)
#include "test_thumbnails.moc"
