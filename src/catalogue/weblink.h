#pragma once

#include <QString>
#include <optional>

struct Platform;
class QWidget;

namespace weblink {

// Who asked for the page: the two differ only in the sentence for a missing association.
enum class Caller { Notice, Catalogue };

// Launch results above this value are successes.
inline constexpr int HighestFailureCode = 32;

// The extension after the last dot of the part after the last backslash; a forward slash
// separates nothing, so the dots of a host name count.
QString GetFileExtension(const QString &path, bool lowerCase);

// The box text for a failed launch of `address`, or nothing when `code` is a success.
std::optional<QString> launchFailureMessage(int code, const QString &address, Caller caller);

inline const QString LaunchFailureTitle = QStringLiteral("Cannot launch web browser");

// Opens `address` with the user's program for it and explains a failure in a message box;
// does nothing while an earlier launch awaits its verdict.
void launch(const QString &address, Caller caller, Platform &platform, QWidget *parent);

// The maker's notice label opens the site root through this.
void OpenWebPage(const QString &url, Platform &platform, QWidget *parent);

} // namespace weblink
