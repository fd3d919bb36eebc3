#include "config/pages/common/general_hints.h"

namespace quon::config {

OptionHint ReinitHint(bool ticked, bool onTop) {
    if (!ticked) return {};
    if (onTop) return {2, "Внимание! Нерекомендуется использовать функцию реинициализации при автозапуске..."};
    return {3, "Функция реинициализации при автозапуске не требуется если отключена опция «поверх всех окон»..."};
}

OptionHint ProtectionHint(bool ticked) {
    if (ticked) return {};
    return {1, "Внимание! Крайне нерекомендуется отключать защиту данных."};
}

OptionHint IntervalHint(int itemIndex) {
    if (itemIndex > 0) return {};
    return {2, "Внимание! Слишком короткий интервал времени может повысить нагрузку на процессор."};
}

OptionHint IdleHangUpHint(bool ticked) {
    if (!ticked) return {};
    return {4, "Отключение будет произведено только в том случае, если за указанный интервал простоя не будет "
               "скачано ни одного байта!"};
}

OptionHint MethodHint(int itemIndex) {
    if (itemIndex != 0) return {-1, ""};
    return {4, "Метод «RAS Connection Statistics» использует API функции из системной библиотеки «rasapi32.dll» "
               "(рекомендуется)"};
}

OptionHint FadeHint(int itemIndex) {
    if (itemIndex > 0) return {};
    return {2, "Внимание! Время проявления при очень медленной скорости будет около 10 секунд."};
}

OptionHint OnTopHint(bool ticked) {
    if (ticked) return {3, "Внимание! Изменения вступят в силу при следующем запуске программы..."};
    return {2, "Внимание! Изменения вступят в силу при следующем запуске программы (нерекомендуется отключать эту "
               "опцию)..."};
}

OptionHint HoverHint(bool ticked) {
    if (!ticked) return {};
    return {4, "При входе курсора в область окна главного модуля, окно станет полностью прозрачным до тех пор, "
               "пока курсор не покинет её."};
}

OptionHint HangUpButtonHint(bool ticked) {
    if (ticked)
        return {4, "Кнопка быстрого отключения соединения будет отсутствовать в окне главного модуля всё время."};
    return {4, "Кнопка быстрого отключения соединения будет отсутствовать в окне главного модуля только если её не "
               "поддерживает тема."};
}

OptionHint ShutdownHint(bool ticked) {
    if (!ticked) return {};
    return {2, "Внимание! Используйте на свой страх и риск (возможна потеря данных при жёстких настройках "
               "операционной системы)..."};
}

OptionHint LanguageHint(bool english) {
    if (english) return {4, "Единицы измерения скорости будут отображены на английском языке..."};
    return {4, "Единицы измерения скорости будут отображены на русском языке..."};
}

OptionHint AutostartFailedHint(bool runFailed, bool linkFailed) {
    if (runFailed)
        return {1, "Внимание! Не удалось записать автозапуск в реестр (возможно, недостаточно прав). "
                   "Выберите другой способ автозапуска."};
    if (linkFailed)
        return {1, "Внимание! Не удалось создать ярлык автозапуска в папке «Автозагрузка». "
                   "Выберите другой способ автозапуска."};
    return {};
}

}  // namespace quon::config
