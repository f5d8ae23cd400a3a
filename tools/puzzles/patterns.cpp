// Prints grid patterns for a seed, with their slot lengths, to inspect the
// pattern search on its own.  usage: quorel-patterns <seed> [count]
#include <iostream>
#include <map>

#include "grids.hpp"

int main(int argc, char **argv) {
    if (argc < 2) {
        std::cerr << "usage: quorel-patterns <seed> [count]\n";
        return 2;
    }
    qp::Rng rng(std::stoull(argv[1]));
    int count = argc > 2 ? std::stoi(argv[2]) : 1;
    for (int i = 0; i < count; ++i) {
        qp::Grid g;
        if (!qp::makePattern(rng, 2, g)) {
            std::cerr << "no pattern found\n";
            return 1;
        }
        std::map<int, int> lengths;
        auto slots = qp::findSlots(g);
        for (const auto &s : slots) ++lengths[s.len];
        std::cout << qp::patternText(g) << slots.size() << " slots:";
        for (auto [len, n] : lengths) std::cout << ' ' << n << 'x' << len;
        std::cout << "\n\n";
    }
    return 0;
}
