#pragma once

class QPrinter;
class QWidget;

// The print dialog: the teacher picks a printer (or a PDF file), the orientation and the
// number of pupil copies. Tests stand in for it.
class tiskovy_dialog_t
{
public:
    virtual ~tiskovy_dialog_t() = default;
    // Shows the dialog for the printer and leaves the choices in it; false when cancelled.
    virtual bool zobraz(QPrinter &tiskarna) = 0;
};

// Qt's own print dialog: the printers of the print system and printing to a PDF file.
class qt_tiskovy_dialog_t final : public tiskovy_dialog_t
{
public:
    // Without a parent the dialog belongs to the program's window.
    explicit qt_tiskovy_dialog_t(QWidget *rodic = nullptr);
    bool zobraz(QPrinter &tiskarna) override;

private:
    QWidget *rodic_;
};
