#include "TestExerciseWindow.h"

#include "ExerciseMessages.h"
#include "ShellContext.h"
#include "SkinWindow.h"
#include "TLumBelka.h"
#include "TLumResButton.h"
#include "TfrmNawigacja.h"

#include <QCloseEvent>
#include <QKeyEvent>

int TestExerciseWindow::opened = 0;
int TestExerciseWindow::alive = 0;

TestExerciseWindow::TestExerciseWindow(TfrmNawigacja& nav, const ExerciseOpenRequest& r, const QString& formName)
    : QWidget(nullptr, Qt::Window), request(r), m_nav(nav)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    SetupSkinWindow(this, QSize(1024, 768));
    Belka = new TLumBelka(this);
    Belka->setObjectName(QStringLiteral("Belka"));
    Belka->setGeometry(0, 0, 1024, 50);
    nav.SetupTitleBar(Belka);
    ++opened;
    ++alive;
}

TestExerciseWindow::~TestExerciseWindow()
{
    --alive;
}

void TestExerciseWindow::Check(int score)
{
    m_sources.panelVisible = true;
    m_sources.panelTag = 0;
    m_sources.wynik = score;
    m_nav.ResultPending() = true;
    m_nav.RecordResult(this);
}

void TestExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (auto* back = findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_wroc")))
            back->ClickIfEnabled();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TestExerciseWindow::closeEvent(QCloseEvent* event)
{
    m_nav.RemoveNavigationBar(this);
    event->accept();
}

ExerciseOpener TestOpener(TfrmNawigacja& nav, const QString& windowClass)
{
    return [&nav, windowClass](const ExerciseOpenRequest& request) -> QWidget* {
        const Expected<ExerciseDocument> file = OpenExerciseFile(request.fullPath, windowClass);
        if (!file.ok()) {
            nav.context().messages.showFailure(file.failure());
            return nullptr;
        }
        auto* window = new TestExerciseWindow(nav, request, windowClass.mid(1));
        nav.ResultPending() = false; // the run starts
        nav.AddNavigationBar(window, 31);
        window->show();
        return window;
    };
}
