#include "download_steps.h"

namespace tavu {

const std::vector<DownloadFile>& downloadFiles() {
    static const std::vector<DownloadFile> files{
        {"Comment.tri", 1, 1200},    {"RM_Map.tri", 1, 0},        {"RM_VS.tri", 1, 0},
        {"system.tri", 1, 1000},     {"Explanation_1.tri", 1, 0}, {"Explanation_2.tri", 1, 0},
        {"Explanation_3.tri", 1, 0}, {"Explanation_4.tri", 1, 0}, {"Explanation_5.tri", 1, 0},
        {"Explanation_6.tri", 1, 0}, {"Explanation_7.tri", 1, 0}, {"Explanation_8.tri", 0, 2000},
        {"RM_01.tri", 1, 0},         {"RM_02.tri", 1, 0},         {"RM_03.tri", 1, 0},
        {"RM_04.tri", 1, 0},         {"RM_05.tri", 1, 0},         {"RM_06.tri", 1, 0},
        {"RM_07.tri", 1, 0},         {"RM_08.tri", 1, 0},
    };
    return files;
}

} // namespace tavu
