#include "ExAppServices.h"

namespace {

class QuietServices final : public CExAppServices {
public:
    ExMessageResult MessageBox(std::string_view, ExMessageIcon, ExMessageButtons) override {
        return ExMessageResult::Ok;
    }
    const ExDrawingDefaults& DrawingDefaults() const override { return m_defaults; }

private:
    ExDrawingDefaults m_defaults;
};

QuietServices g_quiet;
CExAppServices* g_services = &g_quiet;

} // namespace

const std::vector<tagCABLEINFO>& CExAppServices::CableKinds() const {
    static const std::vector<tagCABLEINFO> none;
    return none;
}

CExAppServices& AppServices() {
    return *g_services;
}

CExAppServices* SetAppServices(CExAppServices* services) {
    CExAppServices* previous = g_services == &g_quiet ? nullptr : g_services;
    g_services = services ? services : &g_quiet;
    return previous;
}
