#include "AppSettings.h"

#include "Cp932.h"

#include <QSettings>

namespace {

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
    QVariant Value(const char* key) const { return m_settings.value(QLatin1String(key)); }
    void Set(const QString& key, const QVariant& value) { m_settings.setValue(key, value); }
    void Set(const char* key, const QVariant& value) { Set(QLatin1String(key), value); }

    // Rectangles are kept as Windows keeps them: left, top, right, bottom. One with no area
    // counts as none stored.
    QRect Rect(const QString& prefix) const {
        const auto coordinate = [&](const char* side) {
            return exrange::kScreenCoordinate.Clamp(Int(prefix + QLatin1String(side), 0));
        };
        const int left = coordinate("-Left");
        const int top = coordinate("-Top");
        const int right = coordinate("-Right");
        const int bottom = coordinate("-Bottom");
        if (right <= left || bottom <= top) {
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

QString BarKey(const char* bar, const char* suffix) {
    return QLatin1String("Bar") + QLatin1String(bar) + QLatin1String(suffix);
}

// The "AppState" integers, with the field each one fills and the range it is kept in.
struct IntKey {
    const char* key;
    int ExDrawingDefaults::*field;
    ExIntRange range;
};

constexpr std::array<IntKey, 19> kAppStateKeys = {{
    {"App-sketchMapSize-X", &ExDrawingDefaults::sheetWidthM, exrange::kSheetM},
    {"App-sketchMapSize-Y", &ExDrawingDefaults::sheetHeightM, exrange::kSheetM},
    {"App-oneMatSize-X", &ExDrawingDefaults::matWidthCm, exrange::kMatCm},
    {"App-oneMatSize-Y", &ExDrawingDefaults::matLengthCm, exrange::kMatCm},
    {"App-outWallThickness", &ExDrawingDefaults::outerWallThicknessCm, exrange::kWallCm},
    {"App-inWallThickness", &ExDrawingDefaults::innerWallThicknessCm, exrange::kWallCm},
    {"App-cableHeightHosei", &ExDrawingDefaults::cableHeightCorrectionCm, exrange::kCableHeightCm},
    {"App-gridBigInterval-X", &ExDrawingDefaults::gridBigIntervalXCm, exrange::kGridIntervalCm},
    {"App-gridBigInterval-Y", &ExDrawingDefaults::gridBigIntervalYCm, exrange::kGridIntervalCm},
    {"App-largeLatticeBig-X", &ExDrawingDefaults::largeLatticeBigX, exrange::kLargeLattice},
    {"App-largeLatticeBig-Y", &ExDrawingDefaults::largeLatticeBigY, exrange::kLargeLattice},
    {"App-gridSmallInterval-X", &ExDrawingDefaults::gridSmallIntervalXM, exrange::kGridIntervalM},
    {"App-gridSmallInterval-Y", &ExDrawingDefaults::gridSmallIntervalYM, exrange::kGridIntervalM},
    {"App-largeLatticeSmall-X", &ExDrawingDefaults::largeLatticeSmallX, exrange::kLargeLattice},
    {"App-largeLatticeSmall-Y", &ExDrawingDefaults::largeLatticeSmallY, exrange::kLargeLattice},
    {"App-bitmapWidth", &ExDrawingDefaults::bitmapWidth, exrange::kBitmapPixels},
    {"App-bitmapHeight", &ExDrawingDefaults::bitmapHeight, exrange::kBitmapPixels},
    {"App-autoSaveMinutes", &ExDrawingDefaults::autoSaveMinutes, exrange::kAutoSaveMinutes},
    {"App-snap", &ExDrawingDefaults::snap, exrange::kSwitch},
}};

int KnownShowCommand(int showCmd) {
    switch (showCmd) {
    case exshow::kMinimized:
    case exshow::kMaximized:
        return showCmd;
    default:
        return exshow::kNormal;
    }
}

// A cable pen the settings dialog does not offer is read as the default pen.
void KeepOfferedPen(tagCABLEINFO& kind) {
    if (kind.PenStyle != expen::kSolid && kind.PenStyle != expen::kDash &&
        kind.PenStyle != expen::kDot) {
        kind.PenStyle = expen::kSolid;
    }
    if (kind.PenBold != expen::kThin && kind.PenBold != expen::kNormal &&
        kind.PenBold != expen::kThick) {
        kind.PenBold = expen::kNormal;
    }
}

} // namespace

int ExWindowState::StartShowCommand() const {
    return showCmd == exshow::kMinimized ? exshow::kNormal : showCmd;
}

ExWindowState LoadWindowState(QSettings& settings) {
    Section section(settings, "WindowState");
    ExWindowState state;
    state.rect = section.Rect(QStringLiteral("Window-Rect"));
    state.showCmd = KnownShowCommand(section.Int("Window-ShowCmd", exshow::kNormal));
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
        defaults.*key.field = key.range.Clamp(section.Int(key.key, defaults.*key.field));
    }
    return defaults;
}

void SaveDrawingDefaults(QSettings& settings, const ExDrawingDefaults& defaults) {
    Section section(settings, "AppState");
    for (const IntKey& key : kAppStateKeys) {
        section.Set(key.key, defaults.*key.field);
    }
}

CQtSettingsSection::CQtSettingsSection(QSettings& settings, const char* section)
    : m_settings(settings), m_strSection(QLatin1String(section)) {}

QString CQtSettingsSection::Key(const std::string& key) const {
    return m_strSection + QLatin1Char('/') + QString::fromStdString(key);
}

int CQtSettingsSection::ReadInt(const std::string& key, int fallback) const {
    bool ok = false;
    const int value = m_settings.value(Key(key)).toInt(&ok);
    return ok ? value : fallback;
}

// A stored text that code page 932 cannot hold (edited by hand) counts as missing.
std::string CQtSettingsSection::ReadString(const std::string& key,
                                           const std::string& fallback) const {
    const QVariant value = m_settings.value(Key(key));
    if (!value.isValid()) {
        return fallback;
    }
    return cp932::FromUtf8(value.toString().toStdString()).value_or(fallback);
}

void CQtSettingsSection::WriteInt(const std::string& key, int value) {
    m_settings.setValue(Key(key), value);
}

void CQtSettingsSection::WriteString(const std::string& key, const std::string& value) {
    m_settings.setValue(Key(key), QString::fromStdString(cp932::ToUtf8(value)));
}

std::vector<tagCABLEINFO> LoadCableKinds(QSettings& settings,
                                         const std::filesystem::path& dataFolder) {
    std::vector<tagCABLEINFO> kinds = BuildCableInfoList(CableFolder(dataFolder));
    LoadCableInfoSettings(kinds, CQtSettingsSection(settings, "AppState"));
    for (tagCABLEINFO& kind : kinds) {
        KeepOfferedPen(kind);
    }
    return kinds;
}

void SaveCableKinds(QSettings& settings, const std::vector<tagCABLEINFO>& kinds) {
    CQtSettingsSection section(settings, "AppState");
    SaveCableInfoSettings(kinds, section);
}

bool LoadAreaAttention(QSettings& settings) {
    Section section(settings, "AreaAttention");
    return section.Int("AreaAttentionMsg", 1) != 0;
}

void SaveAreaAttention(QSettings& settings, bool attention) {
    Section section(settings, "AreaAttention");
    section.Set("AreaAttentionMsg", attention ? 1 : 0);
}

QByteArray LoadControlState(QSettings& settings) {
    Section section(settings, "ControlState");
    return section.Value("Layout").toByteArray();
}

void SaveControlState(QSettings& settings, const QByteArray& layout) {
    Section section(settings, "ControlState");
    section.Set("Layout", layout);
}
