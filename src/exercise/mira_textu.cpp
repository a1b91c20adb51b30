#include "exercise/mira_textu.h"

#include "common/pismo.h"

#include <QFontMetrics>
#include <QHash>
#include <array>
#include <memory>

namespace
{

// Advances of one font size: the first 512 code points in a table, the rest hashed.
class sirky_znaku_t
{
public:
    explicit sirky_znaku_t(int body) : metriky_(pismo_obrazovky(body)) { tabulka_.fill(-1); }

    int sirka(QChar znak)
    {
        const char16_t kod = znak.unicode();
        if (kod < tabulka_.size()) {
            int &s = tabulka_[kod];
            if (s < 0)
                s = metriky_.horizontalAdvance(znak);
            return s;
        }
        auto it = ostatni_.find(kod);
        if (it == ostatni_.end())
            it = ostatni_.insert(kod, metriky_.horizontalAdvance(znak));
        return *it;
    }

private:
    QFontMetrics metriky_;
    std::array<int, 512> tabulka_;
    QHash<char16_t, int> ostatni_;
};

} // namespace

sirka_textu_t sirka_v_pismu_stranky()
{
    // Shared by every copy of the function; sizes are made on first use.
    auto velikosti = std::make_shared<QHash<int, std::shared_ptr<sirky_znaku_t>>>();
    return [velikosti](QStringView text, int body) {
        auto it = velikosti->find(body);
        if (it == velikosti->end())
            it = velikosti->insert(body, std::make_shared<sirky_znaku_t>(body));
        sirky_znaku_t &sirky = **it;
        int soucet = 0;
        for (const QChar znak : text)
            soucet += sirky.sirka(znak);
        return soucet;
    };
}
