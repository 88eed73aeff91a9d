#pragma once

#include <QMdiSubWindow>

#include <memory>

class CKORVANEXDoc;
class CKORVANEXView;
class QUndoStack;

// The window of one drawing: it owns the document and shows it in its view, knows the file the
// drawing came from and its title, and asks before a modified drawing is closed.
class CChildFrame final : public QMdiSubWindow {
    Q_OBJECT

public:
    // Takes a document, new or already read from fileName (empty for a new one).
    CChildFrame(std::unique_ptr<CKORVANEXDoc> doc, const QString& fileName, const QString& title,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKORVANEXDoc& Document() const { return *m_pDoc; }
    CKORVANEXView& View() const { return *m_pView; }
    // The drawing's history; its clean state is the drawing's unsaved mark.
    QUndoStack& History() const { return *m_pHistory; }
    const QString& FileName() const { return m_strFileName; }
    const QString& Title() const { return m_strTitle; }
    // The name of this drawing's recovery copy, unique to the window.
    const QString& RecoveryId() const { return m_strRecoveryId; }
    // A drawing restored from a recovery copy differs from its file, whatever undo reaches.
    void MarkRecovered();

    // Saves to the drawing's file, asking for a name when it has none or when the file could
    // only be read in part. False when not saved.
    bool Save();
    bool SaveAs();
    // Writes the drawing with the view's current settings; false after a message, also when
    // the file is another open drawing's.
    bool SaveTo(const QString& fileName);

    // Asks whether a modified drawing is to be saved and saves it on Yes; false when the user
    // cancelled or the save did not happen. An unmodified drawing is not asked about.
    bool QuerySave();
    // Closes the drawing whose question has already been answered, without asking again.
    void CloseAnswered();
    // The tab's tip names the drawing's file in full: titles alone do not tell apart drawings of
    // one name from different folders.
    void UpdateTabTip();

signals:
    void saved(const QString& fileName);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();
    bool IsOpenElsewhere(const QString& fullName) const;

    std::unique_ptr<CKORVANEXDoc> m_pDoc;
    QUndoStack* m_pHistory;
    CKORVANEXView* m_pView;
    QString m_strFileName;
    QString m_strTitle;
    QString m_strRecoveryId;
    // Set while the drawing came from a file it could not read to the end: that file is kept
    // until the user names where to save.
    bool m_bReadInPart;
    bool m_bAnswered = false;
};

// The file dialogs' filters: the drawing files, then every file.
QString DrawingFileFilter();
// A drawing's title: its file name without folder and extension.
QString TitleOfFile(const QString& fileName);
