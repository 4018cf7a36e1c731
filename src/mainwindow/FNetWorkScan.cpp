#include "mainwindow/FNetWorkScan.h"

#include "mainwindow/DeviceSession.h"
#include "mainwindow/PortNames.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/Timer.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QFile>

TfmNetwork *fmNetwork = nullptr;

T_IMPLEMENT_CLASS(TfmNetwork)
{
    b.Field("imBase", &TfmNetwork::imBase);
    b.Field("pbScan", &TfmNetwork::pbScan);
    b.Field("lblScan", &TfmNetwork::lblScan);
    b.Field("lblDeviceID", &TfmNetwork::lblDeviceID);
    b.Field("cbCOM", &TfmNetwork::cbCOM);
    b.Field("btnOK", &TfmNetwork::btnOK);
    b.Field("btnExit", &TfmNetwork::btnExit);
    b.Field("btnId", &TfmNetwork::btnId);
    b.Field("tmConnect", &TfmNetwork::tmConnect);
    b.Field("tmLinkBroken", &TfmNetwork::tmLinkBroken);
    b.Field("tmWatchDog", &TfmNetwork::tmWatchDog);
    b.Field("tmRunComConnect", &TfmNetwork::tmRunComConnect);
    b.Field("tmRunUsbConnect", &TfmNetwork::tmRunUsbConnect);
    b.Field("tmRunNetConnect", &TfmNetwork::tmRunNetConnect);
    b.Handler("FormShow", &TfmNetwork::FormShow);
    b.Handler("btnOKClick", &TfmNetwork::btnOKClick);
    b.Handler("btnExitClick", &TfmNetwork::btnExitClick);
    b.Handler("btnIdClick", &TfmNetwork::btnIdClick);
    b.Handler("tmConnectTimer", &TfmNetwork::tmConnectTimer);
    b.Handler("tmLinkBrokenTimer", &TfmNetwork::tmLinkBrokenTimer);
    b.Handler("tmWatchDogTimer", &TfmNetwork::tmWatchDogTimer);
    b.Handler("tmRunComConnectTimer", &TfmNetwork::tmRunComConnectTimer);
    b.Handler("tmRunUsbConnectTimer", &TfmNetwork::tmRunUsbConnectTimer);
    b.Handler("tmRunNetConnectTimer", &TfmNetwork::tmRunNetConnectTimer);
}

namespace {

// How long each kind of candidate may take, in ms.
constexpr unsigned UsbWatchdogMs = 6000;
constexpr unsigned NetWatchdogMs = 2000;
constexpr unsigned ComWatchdogMs = 10000;

// The dialog's pictures, embedded from resources/images.
const QString BackgroundPicture = QStringLiteral(":/images/mainwindow/scan_background.bmp");
const QString ButtonPicturePrefix = QStringLiteral(":/images/widgets/button_teal_");
struct ButtonPicture {
    const char *state;
    void (TRzButtonBitmaps::*assign)(TBitmap *);
};
constexpr ButtonPicture ButtonPictures[] = {
    {"up", &TRzButtonBitmaps::SetUp},
    {"down", &TRzButtonBitmaps::SetDown},
    {"hot", &TRzButtonBitmaps::SetHot},
    {"staydown", &TRzButtonBitmaps::SetStayDown},
    {"disabled", &TRzButtonBitmaps::SetDisabled},
};

// A picture that is not there leaves the graphic as it was.
void LoadPicture(TGraphic &graphic, const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return;
    TMemoryStream stream(file.readAll());
    graphic.LoadFromStream(&stream);
}

void Restart(TTimer *timer)
{
    timer->SetEnabled(false);
    timer->SetEnabled(true);
}

}  // namespace

TfmNetwork::TfmNetwork(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
    LoadPicture(*imBase->Picture()->Bitmap(), BackgroundPicture);
    for (TRzBmpButton *button : {btnOK, btnExit, btnId}) {
        button->Bitmaps()->SetTransparentColor(clTeal);
        for (const ButtonPicture &picture : ButtonPictures) {
            TBitmap bitmap;
            LoadPicture(bitmap, ButtonPicturePrefix + QLatin1String(picture.state) + QStringLiteral(".bmp"));
            (button->Bitmaps()->*picture.assign)(&bitmap);
        }
    }
}

QString TfmNetwork::Text(const char *key) const
{
    const QString name = QString::fromLatin1(key);
    return session_ ? session_->GetLangText(name) : name;
}

// --- Scanning ------------------------------------------------------------------------------------

void TfmNetwork::StopScan()
{
    tryingNetwork_ = false;
    for (TTimer *timer : {tmConnect, tmLinkBroken, tmWatchDog, tmRunComConnect, tmRunUsbConnect, tmRunNetConnect})
        timer->SetEnabled(false);
}

void TfmNetwork::RestartScan()
{
    // A step still due from an earlier scan would skip a candidate of this one.
    StopScan();
    ExtraCandidates = 0;
    btnOK->SetEnabled(false);
    btnId->SetEnabled(false);
    btnExit->SetEnabled(false);
    StartScan();
}

void TfmNetwork::StartScan()
{
    QStringList names;
    for (const int port : serial::PortTable::Instance().Ports())
        names << QString::fromStdString(serial::PortTable::Name(port));
    TStrings *ports = cbCOM->Items();
    ports->Clear();
    for (const QString &name : ScanOrder(names))
        ports->Add(name);
    if (ports->Count() > 0)
        cbCOM->SetItemIndex(0);

    const bool usb = session_->HasHidDevice();
    const bool net = !usb && session_->HasIpAddress();
    ExtraCandidates = usb || net ? 1 : 0;
    tryingNetwork_ = net;
    ScanPosition = 1;
    if (usb) {
        ShowCandidate(Text("SID_SCAN_USB"), UsbWatchdogMs);
        Restart(tmRunUsbConnect);
    } else if (net) {
        ShowCandidate(Text("SID_SCAN_NET"), NetWatchdogMs);
        Restart(tmRunNetConnect);
    } else if (ports->Count() > 0) {
        StartPort(0);
    } else {
        ShowNoDevice();
        // The step that follows ends the scan.
        tmConnect->SetEnabled(true);
    }
}

int TfmNetwork::Candidates() const
{
    return cbCOM->Items()->Count() + ExtraCandidates;
}

void TfmNetwork::ShowCandidate(const QString &status, unsigned watchdogMs)
{
    pbScan->SetMax(Candidates());
    pbScan->SetPosition(ScanPosition);
    lblDeviceID->SetCaption(QStringLiteral("%1/%2").arg(ScanPosition).arg(Candidates()));
    lblScan->SetCaption(status);
    // Every candidate gets its whole time, however long the one before it took.
    tmWatchDog->SetInterval(watchdogMs);
    Restart(tmWatchDog);
}

void TfmNetwork::StartPort(int index)
{
    const QString name = cbCOM->Items()->Strings(index);
    ShowCandidate(Text("SID_SCAN") + name + QStringLiteral(" ......"), ComWatchdogMs);
    session_->SetComPortName(name);
    Restart(tmRunComConnect);
}

void TfmNetwork::ShowNoDevice()
{
    pbScan->SetPosition(pbScan->Max());
    lblScan->SetCaption(Text("SID_NO_DEVICE"));
    lblDeviceID->SetCaption(QString());
}

void TfmNetwork::EnableButtons()
{
    btnOK->SetEnabled(true);
    btnId->SetEnabled(true);
    btnExit->SetEnabled(true);
}

void TfmNetwork::SetConnectResult(std::uint8_t result)
{
    ConnectResult = result;
    tmConnect->SetEnabled(true);
}

void TfmNetwork::ShowNetworkStatus(const QString &text)
{
    if (tryingNetwork_)
        lblScan->SetCaption(text);
}

void TfmNetwork::OnLinkBroken()
{
    // The processor found by this scan lost its link before the step that closes the dialog: the
    // scan ends here as a broken link, and neither that step nor the candidate's watchdog may go
    // on as if the candidate had failed.
    if (ConnectResult != 0) {
        tmConnect->SetEnabled(false);
        tmWatchDog->SetEnabled(false);
    }
    ConnectResult = 0;
    tryingNetwork_ = false;
    tmLinkBroken->SetEnabled(true);
    if (session_)
        session_->View().CloseProgress();
}

// --- Timers --------------------------------------------------------------------------------------

void TfmNetwork::tmConnectTimer(TObject *)
{
    tmConnect->SetEnabled(false);
    tryingNetwork_ = false;  // this step ends the candidate
    if (ConnectResult != 0) {
        // Found: a late watchdog must not take the next candidate once this link is gone.
        tmWatchDog->SetEnabled(false);
        Close();
        return;
    }
    session_->DisconnectLink();
    if (ScanPosition >= Candidates()) {
        EnableButtons();
        ShowNoDevice();
        return;
    }
    ++ScanPosition;
    StartPort(ScanPosition - 1 - ExtraCandidates);
}

void TfmNetwork::tmLinkBrokenTimer(TObject *)
{
    tmLinkBroken->SetEnabled(false);
    EnableButtons();
    lblScan->SetCaption(Text("SID_LINK_BROKEN"));
    lblDeviceID->SetCaption(QString());
}

void TfmNetwork::tmWatchDogTimer(TObject *)
{
    tmWatchDog->SetEnabled(false);
    tmConnect->SetEnabled(true);
}

void TfmNetwork::tmRunComConnectTimer(TObject *)
{
    tmRunComConnect->SetEnabled(false);
    session_->ConnectCom();
}

void TfmNetwork::tmRunUsbConnectTimer(TObject *)
{
    tmRunUsbConnect->SetEnabled(false);
    session_->ConnectUsb();
}

void TfmNetwork::tmRunNetConnectTimer(TObject *)
{
    tmRunNetConnect->SetEnabled(false);
    session_->ConnectNet();
}

// --- Showing and buttons -------------------------------------------------------------------------

void TfmNetwork::FormShow(TObject *)
{
    SetCaption(Text("SID_CONNECT"));
    btnOK->SetCaption(Text("SID_START_SCAN"));
    btnExit->SetCaption(Text("SID_DEMO"));
    btnId->SetCaption(Text("SID_SET"));
}

void TfmNetwork::btnOKClick(TObject *)
{
    session_->ConnectNetworkSocket();
    RestartScan();
}

void TfmNetwork::btnExitClick(TObject *)
{
    // Work without a processor: no step of a scan may connect behind the user's back.
    StopScan();
    SessionView &main = session_->View();
    main.SetControlEnabled(QStringLiteral("rzbMenuLink"), true);
    main.SetControlEnabled(QStringLiteral("Connect"), true);
    Close();
}

void TfmNetwork::btnIdClick(TObject *)
{
    session_->View().ShowNetworkSetup();
}
