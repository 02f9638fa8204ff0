#include "TfrmUstawienia.h"

#include "AppVersion.h"
#include "ApplySkin.h"
#include "Definitions.h"
#include "DialogParts.h"
#include "LanguageList.h"
#include "ModalRunner.h"
#include "ShellContext.h"
#include "Skin.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumResButton.h"
#include "UserConfig.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QSpinBox>

TfrmUstawienia::TfrmUstawienia(ShellContext& ctx, const ShellHooks& hooks, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_hooks(hooks)
{
    SetupSkinWindow(this, QSize(437, 391));
    setModal(true);

    DialogWindow = new TLumDialogWindow(this);
    DialogWindow->setObjectName(QStringLiteral("DialogWindow"));
    DialogWindow->setGeometry(rect());

    lblLang1 = DialogLabel(this, "lblLang1", QPoint(17, 58));
    cbLang = new LanguageList(this, "cbLang", true);
    cbLang->setGeometry(17, 76, 403, 24);
    lblLang2 = DialogLabel(this, "lblLang2", QPoint(17, 106));
    cbLang2 = new LanguageList(this, "cbLang2", false);
    cbLang2->setGeometry(17, 124, 403, 24);
    chArchiwizuj = DialogCheckBox(this, "chArchiwizuj", QPoint(17, 157), false);
    chCzyPowtorki = DialogCheckBox(this, "chCzyPowtorki", QPoint(17, 180), false);
    lblProgPowtorek = DialogLabel(this, "lblProgPowtorek", QPoint(37, 208));
    eProgPowtorek = new QSpinBox(this);
    eProgPowtorek->setObjectName(QStringLiteral("eProgPowtorek"));
    eProgPowtorek->setRange(31, 100);
    eProgPowtorek->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    eProgPowtorek->setStyleSheet(QStringLiteral(
        "QSpinBox { background: white; color: black; border: 1px solid rgb(111,182,240); border-radius: 3px; padding: 1px 2px; }"));
    chInterpunkcja = DialogCheckBox(this, "chInterpunkcja", QPoint(17, 240), false);
    chWielkoscLiter = DialogCheckBox(this, "chWielkoscLiter", QPoint(17, 263), false);

    btnAktualizuj = new TLumResButton(this);
    btnAktualizuj->setObjectName(QStringLiteral("btnAktualizuj"));
    btnAktualizuj->setRozmiar(TRozmiar::roz22);
    btnAktualizuj->setGeometry(17, 338, 145, 22);
    btnAktualizuj->setGrafikaIndex(4);
    btnAktualizuj->setFontColor(Qt::white);
    btnZapisz = DialogButton(this, "btnZapisz", QRect(219, 347, 100, 32), QString());
    btnAnuluj = DialogButton(this, "btnAnuluj", QRect(325, 347, 100, 32), QString());
    btnClose = FrameCloseButton(this, "btnClose", 437);
    lblAPP = WhiteLabel(this, "lblAPP", QRect(17, 366, 0, 0), QStringLiteral("Tahoma"), 11, false);

    // the lists
    // (the translation list starts with the no-translations item, id 255)
    Expected<QList<LanguageInfo>> languages = ReadLanguages(ctx.inst);
    if (!languages)
        ctx.messages.showFailure(Failure::error(
            QStringLiteral("Błąd podczas odczytu pliku definicji. Listy języków są niedostępne."), DefinitionsPath(ctx.inst)));
    const QList<LanguageInfo> known = languages ? languages.value() : QList<LanguageInfo>();
    cbLang->addItems(InterfaceLanguageItems(known));
    cbLang2->addItems(TranslationLanguageItems(known));
    const TUstawienia& s = ctx.settings;
    cbLang->setCurrentIndex(cbLang->indexOfId(s.InterfaceLanguage));
    cbLang2->setCurrentIndex(std::max(0, cbLang2->indexOfId(s.TranslationLanguage)));

    chArchiwizuj->setVisible(ctx.inst.programMode == 1);
    chArchiwizuj->setChecked(s.ArchiveRecordings);
    chCzyPowtorki->setChecked(s.ReviewsOn);
    eProgPowtorek->setValue(s.ReviewThreshold);
    chInterpunkcja->setChecked(s.PunctuationRules);
    chWielkoscLiter->setChecked(s.LetterCase);
    m_languageChanged = false;

    connect(cbLang, &QComboBox::currentIndexChanged, this, [this] { m_languageChanged = true; });
    connect(btnZapisz, &TLumResButton::clicked, this, [this] {
        m_saved = true;
        accept();
    });
    connect(btnAnuluj, &TLumResButton::clicked, this, &QDialog::reject);
    connect(btnClose, &TLumResButton::clicked, this, &QDialog::reject);
    connect(btnAktualizuj, &TLumResButton::clicked, this, &TfrmUstawienia::StartUpdater);

    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);
}

QString TfrmUstawienia::VersionLine(int programMode, const QString& appVersion, const QString& resVersion)
{
    return QStringLiteral("%1 6.0 (APP: %2; RES: %3)").arg(ModeWord(programMode), appVersion, resVersion);
}

void TfrmUstawienia::PrepareShowing()
{
    btnZapisz->setCaption(m_ctx.UiText(31));
    btnAnuluj->setCaption(m_ctx.UiText(32));
    btnAktualizuj->setCaption(m_ctx.UiText(57));
    lblLang1->setCaption(m_ctx.UiText(30));
    lblLang2->setCaption(m_ctx.UiText(79));
    chCzyPowtorki->setCaption(m_ctx.UiText(88));
    const QString threshold = m_ctx.UiText(89);
    lblProgPowtorek->setCaption(threshold);
    lblProgPowtorek->setAutoSize(false);
    lblProgPowtorek->resize(7 * int(threshold.size()), lblProgPowtorek->height());
    eProgPowtorek->setGeometry(lblProgPowtorek->x() + lblProgPowtorek->width() + 6, 204, 58, 24);
    DialogWindow->setCaption(m_ctx.UiText(25));
    const QString spaces = QStringLiteral("   ");
    chArchiwizuj->setCaption(m_ctx.UiText(84) + spaces);
    chInterpunkcja->setCaption(m_ctx.UiText(110) + spaces);
    chWielkoscLiter->setCaption(m_ctx.UiText(111) + spaces);
    lblAPP->setCaption(VersionLine(m_ctx.inst.programMode, ProgramVersionDigits(),
                                   ModuleVersionDigits(m_ctx.inst.path(QStringLiteral("\\resource.dll")))));
}

void TfrmUstawienia::ApplyTo(TUstawienia& s) const
{
    const int lang = cbLang->selectedId();
    if (lang >= 0 && lang <= 255)
        s.InterfaceLanguage = quint8(lang);
    const int trans = cbLang2->selectedId();
    if (trans >= 0 && trans <= 255)
        s.TranslationLanguage = quint8(trans);
    s.ArchiveRecordings = chArchiwizuj->Checked();
    s.ReviewsOn = chCzyPowtorki->Checked();
    s.ReviewThreshold = eProgPowtorek->value();
    s.PunctuationRules = chInterpunkcja->Checked();
    s.LetterCase = chWielkoscLiter->Checked();
    s.Option6 = 3;
}

void TfrmUstawienia::StartUpdater()
{
    const QString shown = m_ctx.inst.appDir + QStringLiteral("\\Autoupdate.exe");
    const QString path = m_ctx.inst.path(QStringLiteral("\\Autoupdate.exe"));
    const QFileInfo fi(path);
    auto notice = [this](const QString& text, const QString& file) {
        m_ctx.messages.showFailure(Failure{text, QStringLiteral("Uwaga"), MessageIcon::Warning, file});
    };
    if (!fi.isFile()) {
        notice(QStringLiteral("Nie znaleziono programu aktualizującego ") + shown + QStringLiteral("."), path);
        return;
    }
    if (!fi.isExecutable() || !QProcess::startDetached(path, {}, m_ctx.inst.appDir))
        notice(QStringLiteral("Nie można uruchomić programu aktualizującego ") + shown + QStringLiteral("."), path);
}

void TfrmUstawienia::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        btnAnuluj->ClickIfEnabled();
        break;
    case Qt::Key_F1:
        m_hooks.help(QStringLiteral("h_pres.html"), this);
        break;
    default:
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
}

SettingsOutcome OpenSettings(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, QWidget* parent)
{
    TfrmUstawienia window(ctx, hooks, parent);
    window.PrepareShowing();
    if (hooks.closeDictionary)
        hooks.closeDictionary();
    modal.run(window);
    if (!window.Saved())
        return {};
    window.ApplyTo(ctx.settings);
    if (const Status s = WriteUserConfig(ctx.inst, ctx.settings); !s)
        ctx.messages.showFailure(s.failure());
    return {true, window.LanguageChanged()};
}
