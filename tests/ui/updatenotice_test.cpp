#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "core/ui/aboutb.h"
#include "core/ui/huvf.h"
#include "core/ui/updatenotice.h"
#include "core/updaterule.h"
#include "model/variabl.h"
#include "platform/settingsdir.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"

namespace {

QByteArray ReadTestFile(const char* name)
{
    QFile file(QStringLiteral(VIMSTA_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// A self-signed P-256 certificate for 127.0.0.1 (subject alternative name IP:127.0.0.1), valid
// 2000-2125, with its key; the checks trust it only where a test says so.
const QSslCertificate& TestCertificate()
{
    static const QSslCertificate certificate(ReadTestFile("update-test-cert.pem"), QSsl::Pem);
    return certificate;
}

// How the local server treats a request.
enum class ServerBehaviour {
    Answer,       // sends the prepared response and closes
    CloseAtOnce,  // closes the connection after the handshake without an answer
    StayQuiet,    // keeps the connection open and never answers
};

// An HTTPS server on 127.0.0.1 with the test certificate. It lives on the test's thread and
// stops with the test's scope.
class LocalHttpsServer : public QTcpServer {
public:
    explicit LocalHttpsServer(ServerBehaviour behaviour, QByteArray response = QByteArray())
        : behaviour_(behaviour), response_(std::move(response))
    {
        key_ = QSslKey(ReadTestFile("update-test-key.pem"), QSsl::Ec);
        EXPECT_TRUE(listen(QHostAddress::LocalHost));
    }

    QUrl Address() const
    {
        return QUrl(QStringLiteral("https://127.0.0.1:%1/vimsta/version.txt").arg(serverPort()));
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(TestCertificate());
        socket->setPrivateKey(key_);
        connect(socket, &QSslSocket::encrypted, socket, [this, socket] {
            if (behaviour_ == ServerBehaviour::CloseAtOnce)
                socket->disconnectFromHost();
        });
        connect(socket, &QSslSocket::readyRead, socket, [this, socket] {
            request_ += socket->readAll();
            if (behaviour_ == ServerBehaviour::Answer && request_.contains("\r\n\r\n")) {
                socket->write(response_);
                socket->disconnectFromHost();
            }
        });
        socket->startServerEncryption();
    }

private:
    ServerBehaviour behaviour_;
    QByteArray response_;
    QByteArray request_;
    QSslKey key_;
};

QByteArray HttpResponse(const QByteArray& statusLine, const QByteArray& body)
{
    return "HTTP/1.1 " + statusLine +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

UpdateCheckSettings TrustingSettings(const QUrl& address)
{
    UpdateCheckSettings settings;
    settings.address = address;
    settings.tls.setCaCertificates({TestCertificate()});
    return settings;
}

// What one check reported.
struct Outcome {
    std::optional<QString> notice;
    bool failed = false;
};

// Runs the event loop until the check has reported and deleted itself; a guard ends a hung test.
void WaitUntilFinished(UpdateCheck* check)
{
    QEventLoop loop;
    QObject::connect(check, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer guard;
    bool hung = false;
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        hung = true;
        loop.quit();
    });
    guard.start(30000);
    loop.exec();
    ASSERT_FALSE(hung) << "the update check never finished";
}

Outcome RunCheck(const UpdateCheckSettings& settings)
{
    Outcome outcome;
    UpdateCheckReport report;
    report.showNotice = [&outcome](const QString& text) { outcome.notice = text; };
    report.showFailure = [&outcome] { outcome.failed = true; };
    WaitUntilFinished(StartUpdateCheck(settings, std::move(report)));
    return outcome;
}

class UpdateNotice : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QSslSocket::supportsSsl()) << "Qt cannot load OpenSSL (libssl3)";
        ResetGlobals();
    }
};

}  // namespace

TEST_F(UpdateNotice, AnswerDecidesTheNotice)
{
    struct Case {
        QByteArray body;
        bool shown;
    };
    const Case cases[] = {
        {"Senaste version 18.2", false},
        {"Ny version 19.0 finns att h\xc3\xa4mta.", true},
        {" 18.2", true},
        {"", true},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        LocalHttpsServer server(ServerBehaviour::Answer, HttpResponse("200 OK", c.body));
        const Outcome outcome = RunCheck(TrustingSettings(server.Address()));
        EXPECT_FALSE(outcome.failed) << c.body.constData();
        EXPECT_EQ(outcome.notice.has_value(), c.shown) << c.body.constData();
        if (c.shown) {
            EXPECT_EQ(*outcome.notice, QString::fromUtf8(c.body));
        }
        EXPECT_EQ(UpdateNoticeCount, 1);
    }
}

TEST_F(UpdateNotice, OnlyTheFirstSuccessfulCheckShowsTheNotice)
{
    LocalHttpsServer server(ServerBehaviour::Answer, HttpResponse("200 OK", "Version 19.0"));
    EXPECT_TRUE(RunCheck(TrustingSettings(server.Address())).notice.has_value());
    const Outcome second = RunCheck(TrustingSettings(server.Address()));
    EXPECT_FALSE(second.notice.has_value());
    EXPECT_FALSE(second.failed);
    EXPECT_EQ(UpdateNoticeCount, 2);
}

TEST_F(UpdateNotice, EveryKindOfFailureShowsOnlyTheLabel)
{
    struct Case {
        const char* what;
        ServerBehaviour behaviour;
        QByteArray response;
        bool trusted;
    };
    const Case cases[] = {
        {"server closes", ServerBehaviour::CloseAtOnce, QByteArray(), true},
        {"not found", ServerBehaviour::Answer, HttpResponse("404 Not Found", "Version 19.0"), true},
        {"server error", ServerBehaviour::Answer, HttpResponse("500 Internal Server Error", "x"), true},
        {"status outside 2xx", ServerBehaviour::Answer, HttpResponse("304 Not Modified", ""), true},
        {"untrusted certificate", ServerBehaviour::Answer, HttpResponse("200 OK", "Version 19.0"), false},
        {"time-out", ServerBehaviour::StayQuiet, QByteArray(), true},
        {"answer too long", ServerBehaviour::Answer, HttpResponse("200 OK", QByteArray(200000, 'x')), true},
    };
    for (const Case& c : cases) {
        LocalHttpsServer server(c.behaviour, c.response);
        UpdateCheckSettings settings = TrustingSettings(server.Address());
        if (!c.trusted)
            settings.tls = QSslConfiguration::defaultConfiguration();
        settings.timeout = std::chrono::milliseconds(500);
        const Outcome outcome = RunCheck(settings);
        EXPECT_TRUE(outcome.failed) << c.what;
        EXPECT_FALSE(outcome.notice.has_value()) << c.what;
    }
    EXPECT_EQ(UpdateNoticeCount, 0);
}

TEST_F(UpdateNotice, MainWindowLabelAndMessageBox)
{
    TestDialogs().Reset();
    QWidget window;
    auto* label =
        new QLabel(QStringLiteral("Kunde inte kontrollera om det finns en nyare version."), &window);
    {
        LocalHttpsServer server(ServerBehaviour::CloseAtOnce);
        WaitUntilFinished(StartUpdateCheck(label, TrustingSettings(server.Address())));
        EXPECT_FALSE(label->isHidden());
        EXPECT_TRUE(TestDialogs().messages.isEmpty());
    }
    {
        LocalHttpsServer server(ServerBehaviour::Answer, HttpResponse("200 OK", "Version 19.0"));
        WaitUntilFinished(StartUpdateCheck(label, TrustingSettings(server.Address())));
        EXPECT_TRUE(label->isHidden());
        EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Version 19.0")});
    }
    TestDialogs() = DialogSeam();
}

namespace {

// The user's settings folder pointed at an empty folder of the test's own while it lives.
class OwnSettingsFolder {
public:
    OwnSettingsFolder() : testMode_(QStandardPaths::isTestModeEnabled()), before_(qgetenv("XDG_CONFIG_HOME"))
    {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    }
    ~OwnSettingsFolder()
    {
        if (before_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", before_);
        QStandardPaths::setTestModeEnabled(testMode_);
    }
    OwnSettingsFolder(const OwnSettingsFolder&) = delete;
    OwnSettingsFolder& operator=(const OwnSettingsFolder&) = delete;

private:
    QTemporaryDir dir_;
    bool testMode_;
    QByteArray before_;
};

QString AboutBoxComments()
{
    const TAboutC about;
    return about.findChild<QLabel*>(QStringLiteral("Comments"))->text();
}

}  // namespace

// With no address in the settings folder and none built in (the test build sets none), the
// program asks nothing, shows no failure and names no host; an address in the settings folder
// is asked and its host shown.
TEST_F(UpdateNotice, OnlyAnAddressThatIsSetIsAskedAndShown)
{
    const OwnSettingsFolder folder;
    EXPECT_TRUE(UpdateCheckAddress().isEmpty());
    EXPECT_EQ(MainWindowCaption(), QStringLiteral("Vimsta för V65-V64, version 18.2"));
    EXPECT_TRUE(AboutBoxComments().endsWith(QStringLiteral("V65 och V64.")))
        << AboutBoxComments().toStdString();
    QWidget window;
    auto* label =
        new QLabel(QStringLiteral("Kunde inte kontrollera om det finns en nyare version."), &window);
    EXPECT_EQ(StartUpdateCheck(label), nullptr);
    EXPECT_TRUE(label->isHidden());

    QFile file(SettingsDir() + UpdateAddressFileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("https://vimsta.test/version.txt\r\n");
    file.close();
    EXPECT_EQ(DefaultUpdateCheckSettings().address, QUrl(QStringLiteral("https://vimsta.test/version.txt")));
    EXPECT_EQ(MainWindowCaption(), QStringLiteral("Vimsta för V65-V64, version 18.2   vimsta.test"));
    EXPECT_TRUE(AboutBoxComments().endsWith(QStringLiteral("V64.\nvimsta.test")));
}

namespace {

// Counts the showings that run the show handler, where the main window starts its check.
class ShowCountingForm : public VForm {
public:
    ShowCountingForm() : VForm(QStringLiteral("Prov"), QSize(200, 100)) {}
    int shows = 0;

protected:
    void FormShow() override { ++shows; }
};

}  // namespace

// The check runs once per run: restoring the minimised main window is no new showing.
TEST(ShowHandler, RunsWhenTheWindowIsShownNotWhenItIsRestored)
{
    ShowCountingForm form;
    form.Show();
    EXPECT_EQ(form.shows, 1);
    form.showMinimized();
    form.showNormal();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.shows, 1);
    form.hide();
    form.Show();
    EXPECT_EQ(form.shows, 2);
}
