#include "AppSettings.h"

#include <QDir>
#include <QSettings>

namespace {

constexpr const char* kCableCount = "App-CableInfo-Count";
constexpr const char* kCablePartsId = "App-CableInfo-PartsID";
constexpr const char* kCablePartsName = "App-CableInfo-PartsName";
constexpr const char* kCablePenBold = "App-CableInfo-PenBold";
constexpr const char* kCablePenStyle = "App-CableInfo-PenStyle";
constexpr int kCableKeyLength = 6;
constexpr int kExtensionLength = 4;

// One section of the store for the lifetime of the scope.
class Section {
public:
    Section(QSettings& settings, const char* name) : m_settings(settings) {
        m_settings.beginGroup(QLatin1String(name));
    }
    ~Section() { m_settings.endGroup(); }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    int Int(const QString& key, int fallback) const {
        bool ok = false;
        const int value = m_settings.value(key).toInt(&ok);
        return ok ? value : fallback;
    }
    int Int(const char* key, int fallback) const { return Int(QLatin1String(key), fallback); }
    QString String(const QString& key) const { return m_settings.value(key).toString(); }
    void Set(const QString& key, const QVariant& value) { m_settings.setValue(key, value); }
    void Set(const char* key, const QVariant& value) { Set(QLatin1String(key), value); }

    // Rectangles are kept as Windows keeps them: left, top, right, bottom.
    QRect Rect(const QString& prefix) const {
        const int left = Int(prefix + QLatin1String("-Left"), 0);
        const int top = Int(prefix + QLatin1String("-Top"), 0);
        const int right = Int(prefix + QLatin1String("-Right"), 0);
        const int bottom = Int(prefix + QLatin1String("-Bottom"), 0);
        if (left == 0 && top == 0 && right == 0 && bottom == 0) {
            return {};
        }
        return QRect(QPoint(left, top), QSize(right - left, bottom - top));
    }
    void SetRect(const QString& prefix, const QRect& rect) {
        const bool none = rect.isNull();
        Set(prefix + QLatin1String("-Left"), none ? 0 : rect.left());
        Set(prefix + QLatin1String("-Top"), none ? 0 : rect.top());
        Set(prefix + QLatin1String("-Right"), none ? 0 : rect.left() + rect.width());
        Set(prefix + QLatin1String("-Bottom"), none ? 0 : rect.top() + rect.height());
    }

private:
    QSettings& m_settings;
};

QString Numbered(const char* prefix, int n) {
    return QLatin1String(prefix) + QString::number(n);
}

QString BarKey(const char* bar, const char* suffix) {
    return QLatin1String("Bar") + QLatin1String(bar) + QLatin1String(suffix);
}

// The "AppState" integers, with the field each one fills.
struct IntKey {
    const char* key;
    int ExDrawingDefaults::*field;
};

constexpr std::array<IntKey, 17> kAppStateKeys = {{
    {"App-sketchMapSize-X", &ExDrawingDefaults::sheetWidthM},
    {"App-sketchMapSize-Y", &ExDrawingDefaults::sheetHeightM},
    {"App-oneMatSize-X", &ExDrawingDefaults::matWidthCm},
    {"App-oneMatSize-Y", &ExDrawingDefaults::matLengthCm},
    {"App-outWallThickness", &ExDrawingDefaults::outerWallThicknessCm},
    {"App-inWallThickness", &ExDrawingDefaults::innerWallThicknessCm},
    {"App-cableHeightHosei", &ExDrawingDefaults::cableHeightCorrectionCm},
    {"App-gridBigInterval-X", &ExDrawingDefaults::gridBigIntervalXCm},
    {"App-gridBigInterval-Y", &ExDrawingDefaults::gridBigIntervalYCm},
    {"App-largeLatticeBig-X", &ExDrawingDefaults::largeLatticeBigX},
    {"App-largeLatticeBig-Y", &ExDrawingDefaults::largeLatticeBigY},
    {"App-gridSmallInterval-X", &ExDrawingDefaults::gridSmallIntervalXM},
    {"App-gridSmallInterval-Y", &ExDrawingDefaults::gridSmallIntervalYM},
    {"App-largeLatticeSmall-X", &ExDrawingDefaults::largeLatticeSmallX},
    {"App-largeLatticeSmall-Y", &ExDrawingDefaults::largeLatticeSmallY},
    {"App-bitmapWidth", &ExDrawingDefaults::bitmapWidth},
    {"App-bitmapHeight", &ExDrawingDefaults::bitmapHeight},
}};

} // namespace

int ExWindowState::StartShowCommand() const {
    return showCmd == exshow::kMinimized ? exshow::kNormal : showCmd;
}

ExWindowState LoadWindowState(QSettings& settings) {
    Section section(settings, "WindowState");
    ExWindowState state;
    state.rect = section.Rect(QStringLiteral("Window-Rect"));
    state.showCmd = section.Int("Window-ShowCmd", exshow::kNormal);
    return state;
}

void SaveWindowState(QSettings& settings, const ExWindowState& state) {
    Section section(settings, "WindowState");
    section.SetRect(QStringLiteral("Window-Rect"), state.rect);
    section.Set("Window-ShowCmd", state.showCmd);
}

ExToolBarState LoadToolBarState(QSettings& settings) {
    Section section(settings, "ToolBarState");
    ExToolBarState state;
    state.menuBarRect = section.Rect(QStringLiteral("BarMenu-Rect"));
    for (std::size_t i = 0; i < ExToolBarState::kBars.size(); ++i) {
        const char* bar = ExToolBarState::kBars[i];
        state.visible[i] = section.Int(BarKey(bar, "-Visible"), 1) != 0;
        state.rects[i] = section.Rect(BarKey(bar, "-Rect"));
    }
    state.bottomName = section.Int("BottomName", 1) != 0;
    state.largeIcons = section.Int("IconType", 1) != 0;
    return state;
}

void SaveToolBarState(QSettings& settings, const ExToolBarState& state) {
    Section section(settings, "ToolBarState");
    section.SetRect(QStringLiteral("BarMenu-Rect"), state.menuBarRect);
    for (std::size_t i = 0; i < ExToolBarState::kBars.size(); ++i) {
        const char* bar = ExToolBarState::kBars[i];
        section.Set(BarKey(bar, "-Visible"), state.visible[i] ? 1 : 0);
        section.SetRect(BarKey(bar, "-Rect"), state.rects[i]);
    }
    section.Set("BottomName", state.bottomName ? 1 : 0);
    section.Set("IconType", state.largeIcons ? 1 : 0);
}

ExDrawingDefaults LoadDrawingDefaults(QSettings& settings) {
    Section section(settings, "AppState");
    ExDrawingDefaults defaults;
    for (const IntKey& key : kAppStateKeys) {
        defaults.*key.field = section.Int(key.key, defaults.*key.field);
    }
    return defaults;
}

void SaveDrawingDefaults(QSettings& settings, const ExDrawingDefaults& defaults) {
    Section section(settings, "AppState");
    for (const IntKey& key : kAppStateKeys) {
        section.Set(key.key, defaults.*key.field);
    }
}

std::vector<ExCableInfoEntry> LoadCableEntries(QSettings& settings) {
    Section section(settings, "AppState");
    std::vector<ExCableInfoEntry> entries;
    const int count = section.Int(kCableCount, 0);
    for (int n = 1; n <= count; ++n) {
        ExCableInfoEntry entry;
        entry.partsId = section.String(Numbered(kCablePartsId, n));
        entry.partsName = section.String(Numbered(kCablePartsName, n));
        entry.penBold = section.Int(Numbered(kCablePenBold, n), 50);
        entry.penStyle = section.Int(Numbered(kCablePenStyle, n), 0);
        entries.push_back(entry);
    }
    return entries;
}

void SaveCableEntries(QSettings& settings, const std::vector<ExCableInfoEntry>& kinds) {
    Section section(settings, "AppState");
    int n = 0;
    for (const ExCableInfoEntry& kind : kinds) {
        ++n;
        section.Set(Numbered(kCablePartsId, n), kind.partsId);
        section.Set(Numbered(kCablePartsName, n), kind.partsName);
        section.Set(Numbered(kCablePenBold, n), kind.penBold);
        section.Set(Numbered(kCablePenStyle, n), kind.penStyle);
    }
    section.Set(kCableCount, n);
}

void ApplyCableEntries(std::vector<ExCableInfoEntry>& kinds,
                       const std::vector<ExCableInfoEntry>& stored) {
    for (const ExCableInfoEntry& entry : stored) {
        for (ExCableInfoEntry& kind : kinds) {
            if (kind.partsId == entry.partsId) {
                kind.partsName = entry.partsName;
                kind.penBold = entry.penBold;
                kind.penStyle = entry.penStyle;
            }
        }
    }
}

std::vector<ExCableInfoEntry> CableKindsOfFolder(const QString& wiringFolder) {
    std::vector<ExCableInfoEntry> kinds;
    const QStringList files = QDir(wiringFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.size() <= kCableKeyLength + kExtensionLength) {
            continue;
        }
        ExCableInfoEntry kind;
        kind.partsId = file.left(kCableKeyLength);
        kind.partsName =
            file.mid(kCableKeyLength, file.size() - kCableKeyLength - kExtensionLength);
        kinds.push_back(kind);
    }
    return kinds;
}

bool LoadAreaAttention(QSettings& settings) {
    Section section(settings, "AreaAttention");
    return section.Int("AreaAttentionMsg", 1) != 0;
}

void SaveAreaAttention(QSettings& settings, bool attention) {
    Section section(settings, "AreaAttention");
    section.Set("AreaAttentionMsg", attention ? 1 : 0);
}
