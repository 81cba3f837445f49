#pragma once

#include <QString>

class CAppSettings;

// Where the approvals site lives: the "ApprovalsSite" key of the program settings, or the
// program's own site in the interface language when the key is empty.
namespace ApprovalsSite {

inline const QString kSettingKey = QStringLiteral("ApprovalsSite");

QString Default();
// Always ends in "/".
QString Address(const CAppSettings& settings);
// The page on which a guest answers, in the interface language.
QString ApprovePage(const CAppSettings& settings);

}
