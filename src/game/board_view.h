// The drawing calls that the rules make while changing the position.
// The display implements them; tests use a recording fake.
#pragma once

namespace yukora {

class 盤描画 {
public:
    virtual ~盤描画() = default;
    virtual void 描画_絵(int code, double x, double y) = 0;
    virtual void 描画_桝輪郭(int colour, double x, double y) = 0;
    virtual void 描画_自持盤() = 0;
    virtual void 描画_敵持盤() = 0;
    virtual void 画面_再描画() = 0;
};

// Draws nothing: for searches and counts that change the board without showing it.
class 描画なし final : public 盤描画 {
public:
    void 描画_絵(int, double, double) override {}
    void 描画_桝輪郭(int, double, double) override {}
    void 描画_自持盤() override {}
    void 描画_敵持盤() override {}
    void 画面_再描画() override {}
};

// Tiles every cell outside the board with background picture n.
class 背景描画 {
public:
    virtual ~背景描画() = default;
    virtual void 描画_背景(int n) = 0;
};

}  // namespace yukora
