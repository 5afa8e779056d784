#pragma once
// The functions a side key (PF1, PF2) can have, by the position the radio
// stores; the key settings window and the command line both show them.
#include <array>

#include "bilingual.h"

namespace pl63 {

inline const std::array<Bilingual, 12> kSideKeyFunctions{{
    {"自动拨号", "Automatic dial-up"},
    {"OFF", "OFF"},
    {"按键锁定", "Keys lock"},
    {"按键锁定及备份", "Key lock & backup"},
    {"监听", "Surveillance"},
    {"监听瞬时", "Surveillance instant"},
    {"扫描", "Scan"},
    {"扫描+暂时删除", "Scan & Delete temporary"},
    {"照明灯开关", "Floodlight switch"},
    {"取消静噪", "Cancel static noise"},
    {"瞬时取消静噪", "Instant cancel static noise"},
    {"暂时删除", "Delete temporary"},
}};

}  // namespace pl63
