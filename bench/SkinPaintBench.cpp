// Painting a full 1024 × 768 window of skinned controls offscreen, against a
// floor of drawing the same pictures (already decoded) and texts.
//
// The window paints as the program does: every paint fetches each skin picture
// by name and decodes it anew (a folder skin of PNG files here). The floor
// replays what that paint drew, from pictures decoded once.

#include "ApplySkin.h"
#include "FolderSkin.h"
#include "PeModuleWriter.h"
#include "SkinLibrary.h"

#include <QDir>
#include <QFile>
#include "RecordingSkin.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"
#include "TAALabel.h"
#include "TLum3ObrazkiFrame.h"
#include "TLumBelka.h"
#include "TLumCheckBox.h"
#include "TLumGroupFrame.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TLumZeszytStatystyki.h"
#include "TWOwnrScrllBar.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

static void buildWindow(QWidget& w, const SkinRecord& skin);

namespace {

// Every picture the window below fetches, written as PNG files.
void writeSkin(const QString& dir)
{
    RecordingSkin names;
    QWidget probe;
    // the names are found by painting once with the recording skin
    buildWindow(probe, names.record());
    QImage scratch(1024, 768, QImage::Format_ARGB32_Premultiplied);
    probe.render(&scratch);
    QStringList fetched = names.fetched();
    fetched.removeDuplicates();
    for (const QString& n : fetched)
        RecordingSkin::makePicture(n, names.sizeOf(n)).save(dir + u'/' + n + QStringLiteral(".png"), "PNG");
}

QImage ownPicture(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(c);
    return img;
}

} // namespace

// A main window's worth of controls: title bar, frames, a column of buttons,
// a row of tabs, the result chart, the notebook, three picture frames, check
// boxes, labels and a scroll bar.
static void buildWindow(QWidget& w, const SkinRecord& skin)
{
    w.resize(1024, 768);
    int id = 0;
    auto named = [&](QWidget* c) {
        c->setObjectName(QStringLiteral("c%1").arg(id++));
        return c;
    };
    named(new TLumBelka(&w))->setProperty("z", 0);
    auto* left = static_cast<TLumGroupFrame*>(named(new TLumGroupFrame(&w)));
    left->setGeometry(10, 60, 240, 690);
    auto* right = static_cast<TLumGroupFrame*>(named(new TLumGroupFrame(&w)));
    right->setGeometry(260, 60, 754, 690);
    right->setFrameType(TFrameType::ftFrame_White);
    for (int i = 0; i < 12; ++i) {
        auto* b = static_cast<TLumResButton*>(named(new TLumResButton(&w)));
        b->setRozmiar(i % 3 == 0 ? TRozmiar::roz50 : TRozmiar::roz32);
        b->setSkladowe(i % 3 == 0 ? TElementy::el9 : TElementy::el3);
        b->setGeometry(25, 80 + i * 55, 210, b->height());
        b->setCaption(QStringLiteral("Ćwiczenie %1").arg(i + 1));
        b->setGlyph(ownPicture(16, 16, Qt::yellow));
        b->setAlignment(TLumResButtonAlignment::taLeftJustify);
    }
    for (int i = 0; i < 5; ++i) {
        auto* t = static_cast<TLumResButton*>(named(new TLumResButton(&w)));
        t->setRozmiar(TRozmiar::rozTabka);
        t->setGeometry(280 + i * 120, 75, 115, 23);
        t->setCaption(QStringLiteral("Zakładka %1").arg(i + 1));
    }
    for (int i = 0; i < 4; ++i) {
        auto* t = static_cast<TLumResButton*>(named(new TLumResButton(&w)));
        t->setRozmiar(TRozmiar::rozBelka);
        t->setGeometry(780 + i * 55, 1, 50, 48);
        t->setDown(i == 1);
    }
    auto* chart = static_cast<TLumProgress*>(named(new TLumProgress(&w)));
    chart->move(740, 660);
    chart->setWynik(85);
    named(new TLumZeszytStatystyki(&w))->move(840, 120);
    for (int i = 0; i < 3; ++i) {
        auto* f = static_cast<TLum3ObrazkiFrame*>(named(new TLum3ObrazkiFrame(&w)));
        f->move(280 + i * 255, 340);
        f->setStanRamki(i == 0 ? T3ObFrameState::fsHover : i == 1 ? T3ObFrameState::fsDobrze : T3ObFrameState::fsZle);
    }
    for (int i = 0; i < 4; ++i) {
        auto* c = static_cast<TLumCheckBox*>(named(new TLumCheckBox(&w)));
        c->setGfxChecked(ownPicture(20, 20, Qt::green));
        c->setGfxUnChecked(ownPicture(20, 20, Qt::white));
        c->setGfxHotChecked(ownPicture(20, 20, Qt::green));
        c->setGfxHotUnChecked(ownPicture(20, 20, Qt::white));
        c->setCaption(QStringLiteral("Odpowiedź %1").arg(i + 1));
        c->setChecked(i == 2);
        c->move(290, 120 + i * 30);
    }
    for (int i = 0; i < 5; ++i) {
        auto* l = static_cast<TAALabel*>(named(new TAALabel(&w)));
        l->setGeometry(500, 120 + i * 30, 300, 20);
        l->setCaption(QStringLiteral("Przeczytaj zdanie i wybierz właściwą odpowiedź."));
    }
    named(new TWOwnrScrllBar(&w))->setGeometry(990, 120, 20, 200);
    ApplySkin(&w, skin);
}

namespace {

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<FolderSkin> skin;
    SkinRecord record;
    QWidget window;

    Fixture()
    {
        writeSkin(dir.path());
        skin = std::make_unique<FolderSkin>(dir.path());
        record = MeasureSkinRecord(*skin).value_or(SkinRecord{skin.get()});
        record.library = skin.get();
        buildWindow(window, record);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// The same window over the same pictures packed into a skin library, as the
// program loads it: the library keeps decoded pictures, so only the first
// paint decodes.
struct LibraryFixture {
    QTemporaryDir dir;
    std::unique_ptr<SkinLibrary> skin;
    QWidget window;

    LibraryFixture()
    {
        Fixture& folder = fixture();
        PeModuleWriter writer;
        for (const QFileInfo& png : QDir(folder.dir.path()).entryInfoList({QStringLiteral("*.png")}, QDir::Files)) {
            QFile f(png.filePath());
            f.open(QIODevice::ReadOnly);
            (void)writer.add(PeResourceId::of(PeType::RcData), PeResourceId::of(png.completeBaseName()), f.readAll());
        }
        const QString path = dir.filePath(QStringLiteral("resource.dll"));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(writer.build());
        out.close();
        skin = std::move(SkinLibrary::open(path)).value();
        SkinRecord record = MeasureSkinRecord(*skin).value_or(SkinRecord{skin.get()});
        record.library = skin.get();
        buildWindow(window, record);
    }
};

void BM_PaintSkinnedWindowFromLibrary(benchmark::State& state)
{
    static LibraryFixture f;
    QImage target(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        f.window.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintSkinnedWindow(benchmark::State& state)
{
    Fixture& f = fixture();
    QImage target(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        f.window.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// What the skinned paint drew, with every picture decoded once beforehand.
struct Replay {
    struct Step {
        QImage picture; // null for a text
        QRect rect;
        bool stretched = false;
        QString text;
        QFont font;
        QColor color;
    };
    std::vector<Step> steps;
};

Replay record(Fixture& f)
{
    SkinPaintLog log;
    QImage scratch(1024, 768, QImage::Format_ARGB32_Premultiplied);
    f.window.render(&scratch);
    QHash<QString, QImage> decoded;
    Replay r;
    for (const SkinDrawn& d : log.items) {
        const QWidget* source = f.window.findChild<QWidget*>(d.source);
        const QPoint offset = source ? source->mapTo(&f.window, QPoint()) : QPoint();
        Replay::Step s;
        s.rect = d.rect.translated(offset);
        if (d.kind == SkinDrawn::Text) {
            s.text = d.name;
            s.font = d.font;
            s.color = d.color;
        } else if (d.kind == SkinDrawn::Picture || d.kind == SkinDrawn::Stretched) {
            if (!decoded.contains(d.name))
                decoded.insert(d.name, f.skin->image(d.name));
            s.picture = decoded.value(d.name);
            s.stretched = d.kind == SkinDrawn::Stretched;
        } else if (d.kind == SkinDrawn::OwnPicture) {
            s.picture = QImage(d.rect.size(), QImage::Format_ARGB32_Premultiplied);
            s.picture.fill(Qt::gray);
            s.stretched = true;
        } else {
            continue;
        }
        r.steps.push_back(std::move(s));
    }
    return r;
}

void BM_PaintFloorPredecoded(benchmark::State& state)
{
    Fixture& f = fixture();
    const Replay r = record(f);
    state.counters["pictures"] = double(std::count_if(r.steps.begin(), r.steps.end(),
                                                      [](const Replay::Step& s) { return !s.picture.isNull(); }));
    state.counters["texts"] = double(std::count_if(r.steps.begin(), r.steps.end(),
                                                   [](const Replay::Step& s) { return s.picture.isNull(); }));
    const QColor background = f.window.palette().color(QPalette::Window);
    QImage target(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        target.fill(background);
        QPainter p(&target);
        for (const Replay::Step& s : r.steps) {
            if (s.picture.isNull()) {
                p.setFont(s.font);
                p.setPen(s.color);
                p.drawText(s.rect.x(), s.rect.y() + QFontMetrics(s.font).ascent(), s.text);
            } else if (s.stretched) {
                p.drawImage(s.rect, s.picture);
            } else {
                p.drawImage(s.rect.topLeft(), s.picture);
            }
        }
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

} // namespace

BENCHMARK(BM_PaintSkinnedWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintSkinnedWindowFromLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFloorPredecoded)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    InstallSkinFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
