#include "harnesses.h"

const std::vector<FuzzTarget> &fuzzTargets() {
    static const std::vector<FuzzTarget> targets{
        {"slv", fuzzSlv},
        {"wav", fuzzWav},
        {"tips", fuzzTips},
        {"version", fuzzVersion},
        {"statistics", fuzzStatistics},
        {"translator", fuzzTranslator},
        {"wordlist", fuzzWordlist},
        {"review", fuzzReview},
        {"delimited", fuzzDelimited},
        {"kvtml", fuzzKvtml},
        {"backups", fuzzBackups},
        {"pictures", fuzzPictures},
        {"practice", fuzzPractice},
    };
    return targets;
}
