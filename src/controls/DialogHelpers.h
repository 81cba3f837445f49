#pragma once

#include <QString>

class IUserMessages;
class QDialog;
class QDialogButtonBox;
class QSpinBox;

// Small pieces every dialog of the program shares.
namespace DialogHelpers {

// "אישור" and "ביטול" buttons wired to accept and reject.
QDialogButtonBox* OkCancel(QDialog* dialog, const QString& okText = QStringLiteral("אישור"),
                           const QString& cancelText = QStringLiteral("ביטול"));
// The range check of a number field on OK: outside min .. max the user is told, the field gets the
// focus and false comes back, so the dialog stays open.
bool CheckRange(IUserMessages* messages, QSpinBox* field, int min, int max);

}
