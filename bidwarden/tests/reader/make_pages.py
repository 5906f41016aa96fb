# Writes the saved marketplace pages in data/ used by the reader's tests: Windows-1252
# text with CR LF line ends, as the marketplace serves them.
import os

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'data'))

def write(name, text):
    data = text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp1252')
    with open(name, 'wb') as f:
        f.write(data)

HEAD_TOP = '''<html>
<head>
<title>eBay item {number} (Ends {ends}) - {title}</title>
</head>
<body bgcolor="#FFFFFF">
<table border="0" cellpadding="0" cellspacing="0" width="100%">
<tr><td><font face="Arial" size="3"><b>{title}</b></font></td>
<td align="right"><font size="2">Item # {number}</font></td></tr>
</table>
'''

SELLER_BLOCK = '''<tr><td><font size="2">Seller (rating)</font></td>
<td><font size="2"><a href="http://cgi3.ebay.com/ws/eBayISAPI.dll?ViewUserPage&userid={seller}"><b>{seller}</b></a>
(<a href="http://feedback.ebay.com/ws/eBayISAPI.dll?ViewFeedback&userid={seller}">212</a>)</font></td></tr>
<tr><td></td><td><font size="2"><a href="http://contact.ebay.com/ws/eBayISAPI.dll?ShowCoreAskSellerQuestion&requested={seller}&iid={number}">Ask seller a question</a></font></td></tr>
'''

DESCRIPTION = '''<table width="100%"><tr><td><font size="2">Seller assumes all responsibility for listing this item.</font></td></tr></table>
<a name="DESC"></a>
<table width="100%"><tr><td bgcolor="#CCCCFF"><font size="3"><b>Description</b></font></td></tr>
<tr><td><font size="2">
Great condition! Time left to buy is short. (reserve not yet met) (reserve met)
Currently US $1.00 elsewhere. Quantity</font><b>5 available</b> # of bids <b>99</b>
High bid <a href="x">decoy</a> Minimum bid: US $1.00) Invalid Item is invalid or no longer in our database
Firewall Error: Forbidden eBay Live Auctions eBay Motors item Item has been purchased with
This auction has ended. Bidding is closed for this item. Seller userid="decoy"
</font></td></tr></table>
</body>
</html>
'''

def running(number='3052871342', ends='Dec-09-03 18:16:05 PST', title='Vintage brass lamp &amp; shade',
            price='US $1,234.50', bids='12', time_left='2 days 3 hours +', seller='brassworks',
            high='lampfan', minimum='US $1,259.50', increment='US $25.00', reserve='(reserve met)',
            quantity='1', extra=''):
    return HEAD_TOP.format(number=number, ends=ends, title=title) + f'''<table border="0" cellpadding="2" cellspacing="0" width="100%">
<tr><td width="20%"><font size="2">Currently</font></td>
<td width="30%"><font size="2"><b>{price}</b></font> <font size="1">{reserve}</font></td>
<td width="20%"><font size="2">First bid</font></td><td><font size="2">US $9.99</font></td></tr>
<tr><td><font size="2">Quantity</font></td><td><font size="2"><b>{quantity}</b></font></td>
<td><font size="2"># of
bids</font></td><td><font size="2"><b>{bids}</b></font> <a href="http://offer.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item={number}">bid history</a></td></tr>
<tr><td><font size="2">Time 
left</font></td><td><font size="2"><b>{time_left}</b></font></td>
<td><font size="2">Location</font></td><td><font size="2">Springfield, Ohio</font></td></tr>
<tr><td><font size="2">Started</font></td><td><font size="2">Dec-02-03 18:16:05 PST</font></td>
<td><font size="2">Country</font></td><td><font size="2">USA</font></td></tr>
''' + SELLER_BLOCK.format(seller=seller, number=number) + f'''<tr><td><font size="2">High bid</font></td>
<td><font size="2"><a href="http://feedback.ebay.com/ws/eBayISAPI.dll?ViewFeedback&userid={high}">{high}</a> (15)</font></td></tr>
</table>
{extra}<form method="post" action="http://cgi.ebay.com/aw-cgi/eBayISAPI.dll">
<table><tr><td><font size="2">Your maximum bid:</font> <input type="text" name="maxbid" size="10">
<font size="2">(Minimum bid:</font> <b>{minimum}</b>)</td></tr>
<tr><td><font size="2">Bid increment: <font size="2">{increment}</font></font></td></tr></table>
</form>
''' + DESCRIPTION

write('auction_running.htm', running())

# No bids yet: the price area shows the starting bid without a dollar sign.
write('auction_no_bids.htm', HEAD_TOP.format(number='3052871343', ends='Dec-10-03 09:00:00 PST',
    title='Box of old postcards') + '''<table width="100%">
<tr><td><font size="2">Starting
bid</font></td><td><font size="2"><B>25.00</B></font></td></tr>
<tr><td><font size="2">Quantity</font></td><td><font size="2"><b>1</b></font></td>
<td><font size="2"># of bids</font></td><td><font size="2"><b>0</b></font></td></tr>
<tr><td><font size="2">Time left</font></td><td><font size="2"><b>6 days 22 hours</b></font></td></tr>
''' + SELLER_BLOCK.format(seller='cardshop', number='3052871343') + '''<tr><td><font size="2">High bid</font></td><td><font size="2">--</font></td></tr>
</table>
<form><font size="2">(Minimum bid:</font> <b>25.00</b>)</form>
''' + DESCRIPTION)

write('auction_reserve_not_met.htm', running(number='3052871344', reserve='(reserve not yet met)',
    price='US $80.00', bids='3', minimum='US $82.50', increment='US $2.50', high='wattsup'))

# A British auction with the marketplace's approximate US-dollar price.
write('auction_gbp.htm', running(number='3052871345', title='Teapot, Victorian', price='GBP 12.50</b> (approx. US $23.10)<b>',
    minimum='GBP 13.00', increment='GBP 0.50', bids='4', reserve=''))

# The pound sign alone, without the code.
write('auction_pound_sign.htm', running(number='3052871346', title='Cricket bat', price='\u00a312.50',
    minimum='\u00a313.00', increment='\u00a30.50', bids='2', reserve=''))

# Multi-quantity auction: the high bidder is the link to the list of winners.
write('auction_multi_quantity.htm', running(number='3052871347', title='Ten blank cassettes', price='US $2.00',
    bids='7', quantity='10', minimum='US $2.25', increment='US $0.25', reserve='',
    high='See winning bidders list').replace(
    'ViewFeedback&userid=See winning bidders list',
    'ViewBidsDutchHighBidder&item=3052871347'))

write('winners_userid.htm', '''<html><body>
<table border="1" width="100%">
<tr><td><b>User ID</b></td><td><b>Bid amount</b></td><td><b>Quantity won</b></td></tr>
<tr><td><a href="http://cgi3.ebay.com/aw-cgi/eBayISAPI.dll?ReturnUserEmail&amp;requested=tapehead&amp;frm=284">tapehead</a></td>
<td>$2.25</td><TD ALIGN=MIDDLE WIDTH="14%"><FONT SIZE=3>3</FONT></TD></tr>
<tr><td><a href="http://cgi3.ebay.com/aw-cgi/eBayISAPI.dll?ReturnUserEmail&requested=MixMaster&amp;frm=284">MixMaster</a></td>
<td>$2.00</td><td align=middle width="14%"><font size=3>4</font></td></tr>
<tr><td><a href="http://cgi3.ebay.com/aw-cgi/eBayISAPI.dll?ReturnUserEmail&amp;requested=reelman&amp;frm=284">reelman</a></td>
<TD ALIGN="MIDDLE" WIDTH="10%">$2.00</TD><TD ALIGN="MIDDLE" WIDTH="10%">2</TD></tr>
</table>
</body></html>
''')

write('winners_feedback.htm', '''<html><body>
<table border="1" width="100%">
<tr><td>Bidder</td><td>Amount</td></tr>
<tr><td><a href="http://feedback.ebay.com/aw-cgi/eBayISAPI.dll?ViewFeedback&amp;userid=tapehead">tapehead</a></td><td>$2.25</td></tr>
<tr><td><a href="http://feedback.ebay.com/aw-cgi/eBayISAPI.dll?ViewFeedback&amp;userid=MixMaster">MixMaster</a></td><td>$2.00</td></tr>
</table>
</body></html>
''')

# A fixed-price listing: "Quantity</font>" followed by the count available.
write('fixed_price.htm', HEAD_TOP.format(number='3052871348', ends='Dec-20-03 12:00:00 PST', title='Guitar strings, 3 sets') + '''<table width="100%">
<tr><td><font size="2">Price</font></td><td><font size="2"><b>US $14.95</b></font></td></tr>
<tr><td><font size="2">Quantity</font></td><td><font size="2"><b>10 available</b></font></td></tr>
<tr><td><font size="2">Time left</font></td><td><font size="2"><b>9 days 17 hours</b></font></td></tr>
''' + SELLER_BLOCK.format(seller='stringshop', number='3052871348') + '''</table>
''' + DESCRIPTION)

# Bought with Buy It Now: the note before the real high bidder.
write('bin_purchased.htm', HEAD_TOP.format(number='3052871349', ends='Dec-09-03 10:00:00 PST', title='Pocket watch') + '''<table width="100%">
<tr><td><font size="2">Currently</font></td><td><font size="2"><b>US $150.00</b></font></td></tr>
<tr><td><font size="2">Quantity</font></td><td><font size="2"><b>1</b></font></td>
<td><font size="2"># of bids</font></td><td><font size="2"><b>1</b></font></td></tr>
<tr><td><font size="2">Time left</font></td><td><font size="2"><b>Item has ended</b></font></td></tr>
<tr><td colspan="2"><font size="2">Item has been purchased with Buy It Now.</font></td></tr>
''' + SELLER_BLOCK.format(seller='timekeeper', number='3052871349') + '''<tr><td><font size="2">High bidder used Buy It Now</font></td></tr>
<tr><td><font size="2">High bid</font></td><td><font size="2"><a href="http://feedback.ebay.com/ws/eBayISAPI.dll?ViewFeedback&userid=quickbuyer">quickbuyer</a></font></td></tr>
</table>
<a href="http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridto=timekeeper&item=3052871349">Leave feedback</a>
''' + DESCRIPTION)

write('motors.htm', running(number='3052871350', title='1967 Ford Mustang', price='US $8,500.00', bids='21',
    minimum='US $8,600.00', increment='US $100.00', reserve='(reserve not yet met)', high='carnut',
    extra='<table><tr><td><font size="2">eBay Motors item</font></td></tr></table>\n'))

write('live.htm', running(number='3052871351', title='Oil painting, harbour', ends='Dec-12-03 16:30:00 PST',
    price='US $400.00', bids='5', minimum='US $425.00', increment='US $25.00', reserve='',
    time_left='3 days', high='artlover',
    extra='<table><tr><td><font size="2">eBay Live Auctions: this item is sold at a live auction.</font></td></tr></table>\n'))

# Ended with the user's own ID as high bidder and the reserve met.
write('ended_won.htm', running(number='3052871352', title='Model railway set', ends='Dec-08-03 20:00:00 PST',
    price='US $310.00', bids='17', time_left='Auction has ended', high='myself', reserve='(reserve met)',
    minimum='US $320.00'))

write('invalid.htm', '''<html><head><title>eBay - Invalid Item</title></head><body>
<table><tr><td><font size="3"><b>Invalid Item</b></font></td></tr>
<tr><td><font size="2">The item you requested (3052871399) is invalid or no longer in our database.</font></td></tr></table>
</body></html>
''')

write('firewall.htm', '''<html><head><title>Firewall Error: Forbidden</title></head><body>
<h1>Firewall Error: Forbidden</h1><p>Your request was refused.</p>
</body></html>
''')

write('time_marker1.htm', '''<html><body><p>eBay official time</p>
<p>At the tone, the time will be... <b>Tuesday, December 09, 2003 18:16:12 PST</b></p>
</body></html>
''')

write('time_marker2.htm', '''<html><body>
<p>The official eBay Time is now:</p><p><b>Dec-09-03 18:16:12 PST</b></p>
</body></html>
''')

write('time_both_markers.htm', '''<html><body>
<p>The official eBay Time is now:</p><p><b>Dec-09-03 11:11:11 PST</b></p>
<p>At the tone, the time will be... <b>Tuesday, December 09, 2003 18:16:12 PST</b></p>
</body></html>
''')
