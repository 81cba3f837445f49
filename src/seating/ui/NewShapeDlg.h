#pragma once

#include "seating/core/SketchEdits.h"

#include <QDialog>

#include <functional>

class IUserMessages;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "פרטים": the text, size, kind, class and colour of a decorative shape of the sketch, with a list
// of ready-made names to copy into the text.
class CNewShapeDlg : public QDialog
{
    Q_OBJECT

public:
    struct Values
    {
        int kind = 1;
        CSketchEdits::Details details;
        bool allOfKind = false;
    };

    // canChangeKind: a new shape may still become another kind.
    CNewShapeDlg(const Values& values, bool canChangeKind, IUserMessages* messages, QWidget* parent = nullptr);

    Values GetValues() const;
    static const QStringList& ReadyNames();

    QPlainTextEdit* TextField() const { return m_text; }
    QListWidget* ReadyList() const { return m_ready; }
    QSpinBox* HeightField() const { return m_height; }
    QSpinBox* WidthField() const { return m_width; }
    QComboBox* KindField() const { return m_kind; }
    QLineEdit* ClassField() const { return m_class; }
    QPushButton* ColorButton() const { return m_colorButton; }
    QCheckBox* AllOfKindField() const { return m_allOfKind; }
    // The colour chooser of the colour button; a test puts its own in place.
    void SetColorChooser(std::function<QColor(const QColor&)> chooser) { m_chooseColor = std::move(chooser); }

public slots:
    void accept() override;

private:
    void ShowColor();

    IUserMessages* m_messages;
    int m_color;
    QPlainTextEdit* m_text;
    QListWidget* m_ready;
    QSpinBox* m_height;
    QSpinBox* m_width;
    QComboBox* m_kind;
    QLineEdit* m_class;
    QPushButton* m_colorButton;
    QLabel* m_swatch;
    QCheckBox* m_allOfKind;
    std::function<QColor(const QColor&)> m_chooseColor;
};
