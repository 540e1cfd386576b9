// The engines the person registered and the engine game's settings, kept in "engines.ini"
// (UTF-8, ASCII keys) beside the settings file:
//   [engine.1]            one section per engine, numbered from 1
//   name=<id name>
//   author=<id author>
//   path=<absolute path of the executable>
//   option.<id>=<value>   one line per option changed from its default
//   [game]
//   engine=1              the engine that plays
//   engine2=0             its opponent when engines play each other (0: the computer)
//   time=0                持ち時間 in minutes for each side
//   byoyomi=10            秒読み in seconds
//   increment=0           Fischer 加算 in seconds (instead of byoyomi when above 0)
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_session.h"
#include "engine/time_control.h"

namespace yukora {

inline constexpr const char* エンジン設定ファイル名 = "engines.ini";

struct 登録エンジン {
    int 番号 = 0;
    std::string 名前, 作者, パス;
    選択肢の値 値;  // the options changed from their defaults, in their order
    bool operator==(const 登録エンジン&) const = default;
};

struct エンジン設定 {
    std::vector<登録エンジン> 一覧;
    int 対局エンジン = 0;  // the number of the engine that plays; 0 none
    int 相手エンジン = 0;  // its opponent in a game of engines; 0 the computer
    持ち時間設定 時間;
    bool operator==(const エンジン設定&) const = default;

    const 登録エンジン* 探す(int 番号) const;
};

// Reads the file's bytes. What cannot be read is passed over: bytes that are not UTF-8 give
// no engines at all, a line of neither form is skipped, an engine without a name or an
// absolute path is dropped, a number out of its range keeps its default, and a game whose
// three times are all 0 gets the default 秒読み.
エンジン設定 エンジン設定を読む(std::string_view bytes);

// The file's bytes, in the form above.
std::string エンジン設定を書く(const エンジン設定& s);

// The file in `folder`; missing, unreadable, not a plain file or over 1 MiB: no engines.
エンジン設定 読込_エンジン設定(const std::string& folder);

// Replaces the file in `folder` whole. Returns 0, else why not (as ファイル置換 does).
int 書込_エンジン設定(const std::string& folder, const エンジン設定& s);

}  // namespace yukora
