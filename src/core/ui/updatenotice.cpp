#include "core/ui/updatenotice.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "core/updaterule.h"
#include "model/variabl.h"
#include "platform/settingsdir.h"
#include "platform/ui/dialogs.h"

namespace {

// The version text is a line or two; anything longer is not that text.
constexpr qint64 MaxAnswerBytes = 64 * 1024;

QNetworkRequest VersionRequest(const UpdateCheckSettings& settings)
{
    QNetworkRequest request(settings.address);
    request.setSslConfiguration(settings.tls);
    request.setRawHeader("Accept", "text/plain, text/html;q=0.9, */*;q=0.8");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Vimsta/18.2"));
    return request;
}

}  // namespace

QUrl UpdateCheckAddress()
{
    return ConfiguredUpdateAddress(SettingsDir(), QStringLiteral(VIMSTA_UPDATE_ADDRESS));
}

QString MakerDomain()
{
    return UpdateCheckAddress().host();
}

UpdateCheckSettings DefaultUpdateCheckSettings()
{
    UpdateCheckSettings settings;
    settings.address = UpdateCheckAddress();
    return settings;
}

UpdateCheck::UpdateCheck(const UpdateCheckSettings& settings, UpdateCheckReport report, QObject* owner)
    : QObject(owner), report_(std::move(report))
{
    auto* manager = new QNetworkAccessManager(this);
    reply_ = manager->get(VersionRequest(settings));
    connect(reply_, &QNetworkReply::finished, this, &UpdateCheck::ReplyFinished);
    connect(reply_, &QNetworkReply::downloadProgress, this, &UpdateCheck::AbortIfTooLong);

    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, reply_, &QNetworkReply::abort);
    deadline_.start(settings.timeout);
}

void UpdateCheck::AbortIfTooLong(qint64 bytesReceived)
{
    if (bytesReceived > MaxAnswerBytes)
        reply_->abort();
}

bool UpdateCheck::Succeeded() const
{
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply_->error() == QNetworkReply::NoError && status >= 200 && status < 300 &&
           reply_->bytesAvailable() <= MaxAnswerBytes;
}

void UpdateCheck::ReplyFinished()
{
    deadline_.stop();
    if (Succeeded()) {
        const QString answer = DecodeUpdateAnswer(
            reply_->readAll(), reply_->header(QNetworkRequest::ContentTypeHeader).toString());
        // Counted before the notice, whose message box waits for the user.
        const bool due = UpdateNoticeDue(answer, UpdateNoticeCount);
        ++UpdateNoticeCount;
        if (due && report_.showNotice)
            report_.showNotice(answer);
    } else if (report_.showFailure) {
        report_.showFailure();
    }
    deleteLater();
}

UpdateCheck* StartUpdateCheck(const UpdateCheckSettings& settings, UpdateCheckReport report, QObject* owner)
{
    if (settings.address.isEmpty())
        return nullptr;
    return new UpdateCheck(settings, std::move(report), owner);
}

UpdateCheck* StartUpdateCheck(QLabel* failureLabel, const UpdateCheckSettings& settings)
{
    failureLabel->hide();
    UpdateCheckReport report;
    report.showNotice = [](const QString& text) { ShowMessage(text); };
    report.showFailure = [failureLabel] { failureLabel->show(); };
    return StartUpdateCheck(settings, std::move(report), failureLabel);
}
