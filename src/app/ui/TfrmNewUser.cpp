#include "TfrmNewUser.h"

#include "ApplySkin.h"
#include "DialogParts.h"
#include "ModalRunner.h"
#include "PictureBox.h"
#include "ProfileValidation.h"
#include "ShellContext.h"
#include "FormPictures.h"
#include "SkinWindow.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumResButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

TLumResButton* arrowButton(QWidget* parent, const char* name, const QRect& r, const QString& picture)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(TRozmiar::rozUndefined);
    b->setGeometry(r);
    b->setShowCaption(false);
    b->setCaption(QString());
    b->setGlyph(FormPicture(picture + QStringLiteral("_N")));
    b->setGlyphHot(FormPicture(picture + QStringLiteral("_H")));
    b->setGlyphDown(FormPicture(picture + QStringLiteral("_H")));
    return b;
}

} // namespace

TfrmNewUser::TfrmNewUser(ShellContext& ctx, const ShellHooks& hooks, const UserList& list, ProfileMode mode,
                         const TUser& user, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_hooks(hooks), m_list(list)
{
    SetupSkinWindow(this, QSize(572, 348));
    setModal(true);

    DialogWindow = new TLumDialogWindow(this);
    DialogWindow->setObjectName(QStringLiteral("DialogWindow"));
    DialogWindow->setGeometry(rect());

    // left: login, gender, password
    lblNazwa = DialogLabel(this, "lblNazwa", QPoint(24, 56));
    eLogin = DialogEdit(this, "eLogin", QRect(24, 76, 280, 24), 15);
    lblPlec = DialogLabel(this, "lblPlec", QPoint(24, 112));
    chPlec_K = DialogCheckBox(this, "chPlec_K", QPoint(24, 132), true);
    chPlec_M = DialogCheckBox(this, "chPlec_M", QPoint(150, 132), true);
    chPass = DialogCheckBox(this, "chPass", QPoint(24, 168), false);
    lblPass = DialogLabel(this, "lblPass", QPoint(24, 202));
    eHaslo = DialogEdit(this, "eHaslo", QRect(150, 198, 154, 24), 30, true);
    lblPowtorzPass = DialogLabel(this, "lblPowtorzPass", QPoint(24, 234));
    eHaslo2 = DialogEdit(this, "eHaslo2", QRect(150, 230, 154, 24), 30, true);
    lblAby = WhiteLabel(this, "lblAby", QRect(24, 262, 290, 32), QStringLiteral("Tahoma"), 11, true);

    // Passwords take letters A-Z, a-z and digits only; other characters are dropped.
    auto* onlyLettersAndDigits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]*")), this);
    eHaslo->setValidator(onlyLettersAndDigits);
    eHaslo2->setValidator(onlyLettersAndDigits);

    // right: the figure with its style arrows, the colour swatches and bar
    Image13 = new PictureBox(this, "Image13");
    Image13->setGeometry(404, 62, 72, 71);
    Image13->setPicture(FormPicture(QStringLiteral("LUDZIK_RAMKA")));
    Ludzik = new PictureBox(this, "Ludzik");
    Ludzik->setGeometry(410, 68, 60, 59);
    LumResButton1 = arrowButton(this, "LumResButton1", QRect(376, 88, 18, 18), QStringLiteral("ARROW_L"));
    LumResButton2 = arrowButton(this, "LumResButton2", QRect(486, 88, 18, 18), QStringLiteral("ARROW_R"));
    for (int i = 0; i < 6; ++i) {
        Kolor[i] = new PictureBox(this, QStringLiteral("Kolor%1").arg(i + 1).toLatin1().constData());
        Kolor[i]->setGeometry(383 + i * 20, 148, 12, 12);
        Kolor[i]->setStretch(true);
        if (ctx.skin.library)
            Kolor[i]->setPicture(ctx.skin.library->image(QStringLiteral("COLOR%1").arg(i + 1)));
    }
    kolor = new TALScrollBar(this);
    kolor->setObjectName(QStringLiteral("kolor"));
    kolor->setKind(TScrollBarKind::sbHorizontal);
    kolor->setGeometry(371, 166, 138, 18);
    kolor->setButtonWidth(18);
    kolor->setScrollerWidth(16);
    kolor->setMin(0);
    kolor->setMax(5);
    kolor->setSmallChange(1);
    kolor->setLargeChange(1);
    kolor->setStandardStyle(false);
    kolor->setPictures(FormScrollBarPictures(true));

    btnOK = DialogButton(this, "btnOK", QRect(344, 300, 100, 32), ctx.UiText(31));
    btnCancel = DialogButton(this, "btnCancel", QRect(452, 300, 100, 32), ctx.UiText(32));
    LumResButton3 = FrameCloseButton(this, "LumResButton3", 572);
    btnOK->setEnabled(false);

    lblNazwa->setCaption(ctx.UiText(66));
    lblPlec->setCaption(ctx.UiText(67));
    chPlec_K->setCaption(ctx.UiText(68));
    chPlec_M->setCaption(ctx.UiText(69));
    chPass->setCaption(ctx.UiText(72));
    lblPass->setCaption(ctx.UiText(70));
    lblPowtorzPass->setCaption(ctx.UiText(71));
    lblAby->setCaption(ctx.UiText(140));

    // the record
    QString gender;
    if (mode == ProfileMode::Change) {
        DialogWindow->setCaption(ctx.UiText(74));
        m_id = user.Id;
        m_style = user.Figure <= 20 ? 10 : 20;
        kolor->setPosition(std::clamp(int(user.Figure) - m_style - 1, 0, 5));
        gender = user.Gender;
        eLogin->setText(user.Login);
        chPass->setChecked(user.HasPassword);
        if (user.HasPassword) {
            eHaslo->setText(user.Password);
            eHaslo2->setText(user.Password);
        }
    } else {
        DialogWindow->setCaption(ctx.UiText(73));
        gender = QStringLiteral("K");
        kolor->setPosition(0);
    }
    chPlec_K->setChecked(gender == QStringLiteral("K"));
    chPlec_M->setChecked(gender == QStringLiteral("M"));
    btnOK->setEnabled(!TrimBlanks(eLogin->text()).isEmpty());
    showPasswordPart();
    showFigure();

    connect(eLogin, &QLineEdit::textChanged, this,
            [this] { btnOK->setEnabled(!TrimBlanks(eLogin->text()).isEmpty()); });
    for (QLineEdit* e : {eLogin, eHaslo, eHaslo2})
        connect(e, &QLineEdit::returnPressed, this, &TfrmNewUser::pressOK);
    connect(chPlec_K, &TLumCheckBox::clicked, this, &TfrmNewUser::showFigure);
    connect(chPlec_M, &TLumCheckBox::clicked, this, &TfrmNewUser::showFigure);
    connect(chPass, &TLumCheckBox::clicked, this, &TfrmNewUser::showPasswordPart);
    connect(kolor, &TALScrollBar::changed, this, &TfrmNewUser::showFigure);
    connect(LumResButton1, &TLumResButton::clicked, this, [this] { setStyle(10); });
    connect(LumResButton2, &TLumResButton::clicked, this, [this] { setStyle(20); });
    connect(btnOK, &TLumResButton::clicked, this, &TfrmNewUser::pressOK);
    connect(btnCancel, &TLumResButton::clicked, this, &QDialog::reject);
    connect(LumResButton3, &TLumResButton::clicked, this, &QDialog::reject);

    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);
    eLogin->setFocus();
}

int TfrmNewUser::ColourPosition() const
{
    return kolor->Position();
}

QString TfrmNewUser::FigureName() const
{
    const QString gender = chPlec_K->Checked() ? QStringLiteral("CK") : QStringLiteral("CM");
    return gender + QString::number(ColourPosition() + m_style + 1);
}

void TfrmNewUser::showFigure()
{
    Ludzik->setPicture(m_ctx.skin.library ? m_ctx.skin.library->image(FigureName()) : QImage());
}

void TfrmNewUser::setStyle(int style)
{
    m_style = style;
    showFigure();
}

void TfrmNewUser::showPasswordPart()
{
    const bool on = chPass->Checked();
    for (QWidget* w : std::initializer_list<QWidget*>{eHaslo, eHaslo2, lblPass, lblPowtorzPass, lblAby}) {
        w->setVisible(on);
        w->setEnabled(on);
    }
}

void TfrmNewUser::pressOK()
{
    if (!btnOK->isEnabled())
        return;
    ProfileForm form;
    form.id = m_id;
    form.login = eLogin->text();
    form.gender = chPlec_K->Checked() ? QStringLiteral("K") : QStringLiteral("M");
    form.figure = quint8(m_style + ColourPosition());
    form.hasPassword = chPass->Checked();
    form.password = eHaslo->text();
    form.passwordRepeat = eHaslo2->text();
    if (const auto problem = ValidateProfile(form, m_list, m_ctx.inst.uiTexts)) {
        m_ctx.messages.showMessageBox(problem->text, m_ctx.UiText(59), MsgBoxKind::Notice);
        switch (problem->box) {
        case ProfileBox::Login:
            eLogin->selectAll();
            eLogin->setFocus();
            break;
        case ProfileBox::Password:
            eHaslo->setFocus();
            break;
        case ProfileBox::PasswordRepeat:
            eHaslo2->clear();
            eHaslo2->setFocus();
            break;
        }
        return;
    }
    m_result = AcceptedProfile(form);
    m_accepted = true;
    accept();
}

void TfrmNewUser::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_F1:
        m_hooks.help(QStringLiteral("h_log.html"), this);
        break;
    default:
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
}

bool EditProfile(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, const UserList& list, TUser& user,
                 ProfileMode mode, QWidget* parent)
{
    TfrmNewUser window(ctx, hooks, list, mode, user, parent);
    modal.run(window);
    if (!window.Accepted())
        return false;
    const TUser r = window.Result();
    user.Login = r.Login;
    user.Gender = r.Gender;
    user.Figure = r.Figure;
    user.HasPassword = r.HasPassword;
    user.Password = r.Password;
    return true;
}
