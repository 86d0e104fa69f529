<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Vantrello</name>
    <message>
        <source>Тестовый режим - игра Vantrello - карты</source>
        <translation>Test mode — Vantrello card game</translation>
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
        <translation>www.vantrello.example — the game’s official site</translation>
    </message>
    <message>
        <source>Жмите Play до тех пор, пока Total Win не будет больше нуля, а потом кликните мышкой на любую карту.</source>
        <translation>Press Play until Total Win is above zero, then pick any card.</translation>
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
        <source>закрыта</source>
        <translation>face down</translation>
    </message>
    <message>
        <source>Победа</source>
        <translation>Higher</translation>
    </message>
    <message>
        <source>Проигрыш</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Ничья</source>
        <translation>Equal</translation>
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
        <translation>Paid plays</translation>
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
        <source>Итог</source>
        <translation>Net result</translation>
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
        <source>Как играть</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Кредиты — игровые фишки: их нельзя купить, и на них ничего нельзя выиграть.</source>
        <translation>Credits are play tokens: you cannot buy them, and you cannot win anything with them.</translation>
    </message>
    <message>
        <source>ru</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Числа на столе:</source>
        <translation>The numbers on the table:</translation>
    </message>
    <message>
        <source>Вслепую, не глядя на карту дилера, выбор выигрывает с шансом %1 и проигрывает с шансом %2, поэтому удвоение вслепую — честная ставка: сколько раз ни удваивай, возврат тот же, что при сборе каждого выигрыша сразу, — в долгой игре %3 кредита на каждый заплаченный кредит (ровно %4).</source>
        <translation>Picked blind, without looking at the dealer’s card, a card is higher with a chance of %1 and lower with a chance of %2, so doubling blind is a fair bet: however often you double, the return stays that of collecting every win straight away, %3 credits for each credit paid in the long run (exactly %4).</translation>
    </message>
    <message>
        <source>Разброс у этого способа ничем не ограничен: изредка длинная цепочка приносит огромный выигрыш, а в большинстве сессий выходит намного меньше.</source>
        <translation>Its spread has no limit: once in a while a long chain brings a huge win, but most sessions end with far less.</translation>
    </message>
    <message>
        <source>Разброс у этого способа — %1 кредита на платную игру.</source>
        <translation>Its spread is %1 credits per paid play.</translation>
    </message>
    <message>
        <source>Пока на кону ничего нет, Play стоит %1 кредита, что бы ни показывало поле TOTAL BET. С выигрышем на кону Play бесплатна: только что выставленный выигрыш Play заменяет новым, который может оказаться и нулём, а в цепочке оставляет выигрыш на кону и сдаёт карты заново.</source>
        <translation>While nothing is at stake, Play costs %1 credits, whatever TOTAL BET shows. With a win at stake, Play is free: on a freshly put up win it puts up a new one, which may be zero; in a chain it keeps the win and deals the cards again.</translation>
    </message>
    <message>
        <source>Как играть и клавиши — F1.</source>
        <translation>Press F1 for how to play and the keys.</translation>
    </message>
    <message>
        <source>Total Bet</source>
        <translation>Total Bet</translation>
    </message>
    <message>
        <source>Total Win</source>
        <translation>Total Win</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Credit</translation>
    </message>
    <message>
        <source>Double To</source>
        <translation>Double To</translation>
    </message>
    <message>
        <source>Risk Step</source>
        <translation>Risk Step</translation>
    </message>
    <message>
        <source>GNU General Public License, версия 3 или более поздняя</source>
        <translation>GNU General Public License, version 3 or later</translation>
    </message>
    <message>
        <source>SIL Open Font License, версия 1.1</source>
        <translation>SIL Open Font License, version 1.1</translation>
    </message>
    <message>
        <source>Клавиши: 1, 2, 3, 4 в верхнем ряду (или на цифровой клавиатуре при включённом NumLock) — выбрать карту 1, 2, 3 или 4, слева направо; Enter или пробел — нажать кнопку в фокусе; Tab — перейти к другой кнопке; F1 — как играть; Shift+F10 или клавиша меню — меню; Ctrl+Q — выйти из игры.</source>
        <translation>Keys: 1, 2, 3 and 4 pick the first to the fourth card, left to right (on the top row, or on the keypad with NumLock on); Enter or Space presses the focused button; Tab moves to the other button; F1 opens How to play; Shift+F10 or the Menu key opens the menu; Ctrl+Q quits.</translation>
    </message>
    <message>
        <source>Звук включён</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Звук выключен</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source> - </source>
        <translation> — </translation>
    </message>
    <message>
        <source>Нажмите Play, и автомат выставит выигрыш; если выпал ноль, нажмите ещё раз. Затем выберите одну из четырёх своих карт против карты дилера: старшая удваивает выигрыш, младшая отнимает его, равная оставляет как есть. Туз старше всех, масть не важна. Если выбранная карта старше или равна, после паузы карты сдаются снова: идёт цепочка, и можно выбирать карту дальше. «Забрать» переносит выигрыш в кредит и заканчивает цепочку.</source>
        <translation>Press Play and the machine puts up a win; if it is zero, press Play again. Then pick one of your four cards against the dealer’s card: a higher card doubles the win, a lower one loses it, and an equal one leaves it as it is. Aces are high; suits do not count. After a higher or equal card the cards are dealt again after a pause: a chain runs, and you can pick again. Collect adds the win to your credit and ends the chain.</translation>
    </message>
    <message>
        <source>TOTAL BET — ставка; на цену Play она не влияет.</source>
        <translation>TOTAL BET is the bet. It does not change what Play costs.</translation>
    </message>
    <message>
        <source>TOTAL WIN — выигрыш на кону.</source>
        <translation>TOTAL WIN is the win at stake.</translation>
    </message>
    <message>
        <source>CREDIT — ваш кредит. Play берёт плату и тогда, когда кредита не хватает, так что он может уйти ниже нуля.</source>
        <translation>CREDIT is your credit. Play charges it even when it runs short, so it can go below zero.</translation>
    </message>
    <message>
        <source>RISK STEP — шаг цепочки: с каждой раздачей в цепочке он растёт на 1, а после проигрыша снова становится 1.</source>
        <translation>RISK STEP counts the deals of a chain: it goes up by 1 with each deal in a chain and back to 1 after a lower card.</translation>
    </message>
    <message>
        <source>DOUBLE TO — каким станет выигрыш, если выбранная карта окажется старше карты дилера.</source>
        <translation>DOUBLE TO is what the win becomes if your card is higher than the dealer’s.</translation>
    </message>
    <message>
        <source>Шансы выбранной карты против каждой карты дилера: чем младше карта дилера, тем вернее выбор.</source>
        <translation>Your chances against each dealer’s card: the lower the dealer’s card, the safer the pick.</translation>
    </message>
    <message>
        <source>Но карта дилера видна до выбора, и это окупается. Если выбирать карту, только когда у дилера от 2 до %1, а против остальных карт забирать выигрыш, возврат %2 (ровно %3). Из способов, которые выбирают карту против карт дилера от 2 до какой-то и забирают выигрыш против остальных, выгоднее всех выбирать карту против карт от 2 до %4: возврат %5 (ровно %6).</source>
        <translation>But the dealer’s card shows before you pick, and looking at it pays. If you pick only when the dealer shows 2 to %1 and collect against any higher card, the return is %2 (exactly %3). Of the ways that pick against a dealer’s 2 up to some card and collect against the rest, picking against 2 to %4 returns the most: %5 (exactly %6).</translation>
    </message>
    <message>
        <source>В цепочке Play сдаёт карты заново бесплатно, а выигрыш остаётся на кону, так что можно дождаться младшей карты дилера: когда у дилера %1, выбор не может проиграть (победа %2, ничья %3). Поэтому у возврата нет верхней границы. Если выбирать карту против карт от 2 до %4, а в цепочке нажимать Play, пока у дилера не выпадет %1, и забирать выигрыш, как только он дойдёт до %5, возврат %6; если забирать с %7 — уже %8.</source>
        <translation>In a chain, Play deals the cards again for free and the win stays at stake, so you can wait for a low dealer’s card: against a %1 a pick cannot lose (higher %2, equal %3). So the return has no upper limit. If you pick against 2 to %4, press Play in a chain until the dealer shows a %1, and collect as soon as the win reaches %5, the return is %6; collecting at %7, it is %8.</translation>
    </message>
    <message>
        <source>Забрано всего</source>
        <translation>Total collected</translation>
    </message>
    <message>
        <source>Самый большой забранный выигрыш</source>
        <translation>Largest win collected</translation>
    </message>
    <message>
        <source>Возврат на заплаченный кредит</source>
        <translation>Return per credit paid</translation>
    </message>
    <message>
        <source>Возврат при сборе каждого выигрыша сразу, в долгой игре</source>
        <translation>Long-run return if you collect straight away</translation>
    </message>
    <message>
        <source>Самая длинная цепочка (Risk Step)</source>
        <translation>Longest chain (Risk Step)</translation>
    </message>
</context>
</TS>
