#pragma once

#include "controls/GenericView.h"

class CShape;
class CSketchCanvas;
class IPlatform;
class QPrinter;
class QPushButton;
class QScrollArea;

// "סקיצה": the free drawing of the hall, one shape per table and the rectangles, circles and
// loudspeakers the user adds, with their details, the export and import of the sketch and its print.
class CGanDesignView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 9;

    // The commands of the page's own buttons.
    enum Command {
        AddRectangle,
        AddCircle,
        AddSpeaker,
        DeleteShape,
        ResetTables,
        ExportSketch,
        ImportSketch,
        DisplaySettings,
        Help,
        Print,
        PrintPreview,
        CommandCount
    };

    CGanDesignView(CNewZelDoc& document, IPlatform& platform, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    void Run(Command command);
    // Opens the details of a shape: the shape dialog, or the table dialog for a table.
    void EditShape(CShape* shape);
    // Draws the sketch onto a printer's page, scaled to fit.
    void PrintTo(QPrinter& printer) const;

    CSketchCanvas* Canvas() const { return m_canvas; }
    QPushButton* Button(Command command) const { return m_buttons[command]; }

private:
    void AddShape(int kind);
    void Export();
    void Import();
    void ShowDisplaySettings();
    void PrintSketch(bool preview);
    void ShowContextMenu(const QPoint& globalPos);

    IPlatform& m_platform;
    CSketchCanvas* m_canvas;
    QScrollArea* m_scroll;
    QPushButton* m_buttons[CommandCount] = {};
    bool m_shown = false;
};
