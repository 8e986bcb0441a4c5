#include "play/Kartentonfolge.h"

#include <algorithm>

void Kartentonfolge::spiele(Kartenklang klang)
{
    if (!klang || klang->empty())
        return;
    // The one playing is never the one to give way: it is half heard.
    if (folge_.size() >= HoechstensKartentoene)
        folge_.erase(folge_.begin() + 1);
    folge_.push_back(std::move(klang));
}

void Kartentonfolge::mische(std::int32_t* summe, std::size_t anzahl)
{
    std::size_t i = 0;
    while (i < anzahl && !folge_.empty()) {
        const std::vector<std::int16_t>& proben = *folge_.front();
        const std::size_t n = std::min(anzahl - i, proben.size() - stelle_);
        for (std::size_t j = 0; j < n; ++j)
            summe[i + j] += proben[stelle_ + j];
        i += n;
        stelle_ += n;
        if (stelle_ == proben.size()) {
            folge_.pop_front();
            stelle_ = 0;
        }
    }
}

void Kartentonfolge::verstumme()
{
    folge_.clear();
    stelle_ = 0;
}
