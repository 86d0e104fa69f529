<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Vantrello</name>
    <message>
        <source>Тестовый режим - игра Vantrello - карты</source>
        <translation>Test mode - Vantrello card game</translation>
    </message>
    <message>
        <source>Забрать</source>
        <translation>Collect</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Стол</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>www.vantrello.example - официальный сайт эмулятора</source>
        <translation>www.vantrello.example - the emulator&apos;s official site</translation>
    </message>
    <message>
        <source>Жмите Play до тех пор, пока Total Win не будет больше нуля, а потом кликните мышкой на любую карту.</source>
        <translation>Press Play until Total Win is above zero, then click any card.</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Выигрыш</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Кредит</source>
        <translation>Credit</translation>
    </message>
    <message>
        <source>Программа находится на стадии разработки</source>
        <translation>This program is still in development</translation>
    </message>
    <message>
        <source>Тестинг</source>
        <translation>Testing</translation>
    </message>
    <message>
        <source>Удвоение</source>
        <translation>Double-up</translation>
    </message>
    <message>
        <source>Выбрана</source>
        <translation>Picked</translation>
    </message>
    <message>
        <source>Карта дилера</source>
        <translation>Dealer&apos;s card</translation>
    </message>
    <message>
        <source>Карта 4</source>
        <translation>Card 4</translation>
    </message>
    <message>
        <source>Карта 3</source>
        <translation>Card 3</translation>
    </message>
    <message>
        <source>Карта 2</source>
        <translation>Card 2</translation>
    </message>
    <message>
        <source>Карта 1</source>
        <translation>Card 1</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>закрыта</source>
        <translation>face down</translation>
    </message>
    <message>
        <source>Победа</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Проигрыш</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Ничья</source>
        <translation>Tie</translation>
    </message>
    <message>
        <source>Новая раздача</source>
        <translation>New deal</translation>
    </message>
    <message>
        <source>двойка</source>
        <translation>two</translation>
    </message>
    <message>
        <source>тройка</source>
        <translation>three</translation>
    </message>
    <message>
        <source>четвёрка</source>
        <translation>four</translation>
    </message>
    <message>
        <source>пятёрка</source>
        <translation>five</translation>
    </message>
    <message>
        <source>шестёрка</source>
        <translation>six</translation>
    </message>
    <message>
        <source>семёрка</source>
        <translation>seven</translation>
    </message>
    <message>
        <source>восьмёрка</source>
        <translation>eight</translation>
    </message>
    <message>
        <source>девятка</source>
        <translation>nine</translation>
    </message>
    <message>
        <source>десятка</source>
        <translation>ten</translation>
    </message>
    <message>
        <source>валет</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>дама</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>король</source>
        <translation>king</translation>
    </message>
    <message>
        <source>туз</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>червей</source>
        <translation>of hearts</translation>
    </message>
    <message>
        <source>пик</source>
        <translation>of spades</translation>
    </message>
    <message>
        <source>треф</source>
        <translation>of clubs</translation>
    </message>
    <message>
        <source>бубён</source>
        <translation>of diamonds</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Платных игр</source>
        <translation>Plays paid for</translation>
    </message>
    <message>
        <source>Заплачено кредитов</source>
        <translation>Credits paid</translation>
    </message>
    <message>
        <source>Забрано выигрышей</source>
        <translation>Wins collected</translation>
    </message>
    <message>
        <source>На сумму</source>
        <translation>Worth</translation>
    </message>
    <message>
        <source>Самый большой выигрыш</source>
        <translation>Biggest win collected</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Возврат на кредит</source>
        <translation>Return per credit paid</translation>
    </message>
    <message>
        <source>Возврат при сборе сразу, в долгой игре</source>
        <translation>Return of collecting at once, in the long run</translation>
    </message>
    <message>
        <source>Самая длинная цепочка, шагов</source>
        <translation>Longest chain, in steps</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>О программе Vantrello</source>
        <translation>About Vantrello</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Лицензия игры</source>
        <translation>Game licence</translation>
    </message>
    <message>
        <source>Лицензия шрифтов</source>
        <translation>Font licence</translation>
    </message>
    <message>
        <source>Клавиши: 1, 2, 3, 4 в верхнем ряду (на цифровой клавиатуре — при включённом NumLock) — выбрать карту 1, 2, 3 или 4, слева направо; Enter или пробел — нажать кнопку в фокусе; Tab — перейти к другой кнопке; F1 — как играть; Shift+F10 или клавиша меню — меню; Ctrl+Q — закрыть игру.</source>
        <translation>Keys: 1, 2, 3, 4 on the top row (on the keypad with NumLock on) pick card 1, 2, 3 or 4, left to right; Enter or Space presses the focused button; Tab moves to the other button; F1 shows how to play; Shift+F10 or the Menu key opens the menu; Ctrl+Q closes the game.</translation>
    </message>
    <message>
        <source>Как играть</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Нажмите Play, и автомат выставит выигрыш. Пока на кону ничего нет, Play стоит %1 кредита; выигрыш на кону Play бесплатно заменяет новым.</source>
        <translation>Press Play and the machine puts up a win. While nothing is at stake, Play costs %1 credits; with a win at stake, Play replaces it by a new one for free.</translation>
    </message>
    <message>
        <source>Затем откройте одну из четырёх карт. Карта старше карты дилера удваивает выигрыш, и после паузы карты сдаются снова; младшая отнимает выигрыш; равная — новая раздача. Туз старше всех, масть не важна. «Забрать» переносит выигрыш в кредит.</source>
        <translation>Then turn up one of the four cards. A card higher than the dealer&apos;s doubles the win, and after a pause the cards are dealt again; a lower one loses the win; an equal one deals again. Aces are highest; suits do not count. Collect adds the win to the credit.</translation>
    </message>
    <message>
        <source>Если забирать каждый выигрыш сразу, в долгой игре каждый заплаченный кредит возвращает %1 кредита (ровно %2).</source>
        <translation>If you collect every win at once, each credit you pay returns %1 credits in the long run (exactly %2).</translation>
    </message>
    <message>
        <source>Удвоение этот возврат не меняет, меняется только разброс: на одну платную игру он %1 кредита при сборе сразу и %2 при %3 удвоениях подряд.</source>
        <translation>Doubling does not change that return, only its spread: per paid play it is %1 credits when you collect at once and %2 after %3 doublings in a row.</translation>
    </message>
    <message>
        <source>Выгоднее всего нажимать Play снова на выигрыше меньше %1, а остальные забирать сразу: тогда возврат %2 (ровно %3).</source>
        <translation>You do best to press Play again on a win below %1 and collect the others at once: the return is then %2 (exactly %3).</translation>
    </message>
    <message>
        <source>Кредиты — игровые фишки: их нельзя купить, и на них ничего нельзя выиграть.</source>
        <translation>Credits are play tokens: they cannot be bought, and nothing can be won with them.</translation>
    </message>
</context>
</TS>
