#include "Cp932.h"
#include "ExHeadlessView.h"
#include "ExStringParts.h"
#include "ExVecFont.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kFontPath = QP_RUNTIME_DIR "/VecFont.QVF";

void BM_LoadVecFont(benchmark::State& state) {
    for (auto _ : state) {
        CExVecFont font;
        benchmark::DoNotOptimize(font.LoadVecFont(kFontPath));
    }
}
BENCHMARK(BM_LoadVecFont)->Unit(benchmark::kMillisecond);

void BM_MakeCharactersAndUpdateFortyCharacters(benchmark::State& state) {
    CExVecFont font;
    font.LoadVecFont(kFontPath);
    const CExVecFont* previous = SetVecFont(&font);
    CExHeadlessView view;
    ExActiveViewScope active(&view);
    // Forty characters: kana, kanji, digits and Latin letters.
    const std::string text =
        *cp932::FromUtf8("東京都千代田区丸の内一丁目会議室Ａ棟３階クイルプラン面積12.000㎡ABCです");
    CExStringParts label;
    label.SetPosition(500000, 500000);
    label.SetAngle(30);
    for (auto _ : state) {
        label.InsertString(text, -1);
        label.UpdateParts();
        label.RecalcParts();
        benchmark::DoNotOptimize(label.GetUpdateRect());
    }
    SetVecFont(previous);
}
BENCHMARK(BM_MakeCharactersAndUpdateFortyCharacters);

} // namespace
