#include "ShellDriving.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>


void ScriptedModalRunner::run(QDialog& dialog)
{
    ran << QString::fromLatin1(dialog.metaObject()->className());
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    if (m_scripts.isEmpty()) {
        ADD_FAILURE() << "no script for " << dialog.metaObject()->className();
        dialog.reject();
        return;
    }
    const Script script = m_scripts.takeFirst();
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << dialog.metaObject()->className() << " still open after its script";
        dialog.reject();
    }
}

FakeServices::FakeServices()
{
    for (const char* g : {"K", "M"})
        for (int f = 11; f <= 26; ++f)
            skin.setSize(QStringLiteral("C%1%2").arg(QLatin1String(g)).arg(f), QSize(60, 59));
}

QStringList FakeServices::shownTexts() const
{
    QStringList texts;
    for (const auto& m : messages.shown)
        texts << m.text;
    return texts;
}

namespace uidrive {

void writePicture(const QString& path, QColor c)
{
    QImage img(1024, 768, QImage::Format_RGB32);
    img.fill(c);
    QPainter p(&img);
    p.fillRect(0, 0, 1024, 40, c.darker());
    p.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    img.save(path);
}


// Through the window, as the window system delivers it: the widget under the
// point gets the events (and the mouse grab between press and release).
void click(QWidget* w, QPoint pos)
{
    if (pos == QPoint(-1, -1))
        pos = w->rect().center();
    QWidget* top = w->window();
    const QPoint p = w->mapTo(top, pos);
    QTest::mouseMove(top->windowHandle(), p);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    QCoreApplication::processEvents();
}

void hover(QWidget* w, QPoint pos)
{
    QWidget* top = w->window();
    QTest::mouseMove(top->windowHandle(), w->mapTo(top, pos));
    QCoreApplication::processEvents();
}

void type(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(w, k, mods);
}

} // namespace uidrive
