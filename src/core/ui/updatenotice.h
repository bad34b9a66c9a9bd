#pragma once
// The update check of the main window: one HTTPS request for the short text that names the
// latest version, sent without blocking the window. The notice or the failure label appears
// when the answer arrives.

#include <QObject>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <functional>

class QLabel;
class QNetworkReply;

// Where and how the check asks.
struct UpdateCheckSettings {
    QUrl address;
    std::chrono::milliseconds timeout{5000};
    // Certificate authorities and protocols; the server's certificate is always verified.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
};

// The address of the check: the line of the settings folder's "uppdatering.txt", else the
// build option VIMSTA_UPDATE_ADDRESS; empty when neither names one (no check).
QUrl UpdateCheckAddress();
// The maker's domain that the main window's captions and the about box show: the host of that
// address; empty when no address is set.
QString MakerDomain();

// That address, a time-out of five seconds, the system's authorities.
UpdateCheckSettings DefaultUpdateCheckSettings();

// How the check reports: at most one of the two runs, once.
struct UpdateCheckReport {
    std::function<void(const QString& text)> showNotice;  // the answer is to be shown
    std::function<void()> showFailure;                    // the check failed in any way
};

// One running check. It owns its request, ends on the answer, an error or the time-out,
// reports and deletes itself. Deleting its owner ends it without a report.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(const UpdateCheckSettings& settings, UpdateCheckReport report, QObject* owner);

private:
    void ReplyFinished();
    void AbortIfTooLong(qint64 bytesReceived);
    bool Succeeded() const;

    UpdateCheckReport report_;
    QNetworkReply* reply_ = nullptr;
    QTimer deadline_;
};

// Starts a check and returns at once. A successful answer counts in UpdateNoticeCount; when
// the notice is due it goes to report.showNotice. Without an address nothing is asked or
// reported, and the result is null.
UpdateCheck* StartUpdateCheck(const UpdateCheckSettings& settings, UpdateCheckReport report,
                              QObject* owner = nullptr);

// The main window's check, from its first showing: hides failureLabel (LabelVersionskoll),
// shows a due notice as a plain message box, and makes failureLabel visible when the check
// fails. The check belongs to failureLabel.
UpdateCheck* StartUpdateCheck(QLabel* failureLabel,
                              const UpdateCheckSettings& settings = DefaultUpdateCheckSettings());
